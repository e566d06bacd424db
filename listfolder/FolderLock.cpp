#include <listfolder/FolderLock.h>

#include <listfolder/ExclusiveFile.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace listfolder {

namespace {

std::string realPath(const std::string& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

// The folder's own place (it may be a link, or lie under one), the same before it is made
// and after: else its path made absolute.
fs::path realPlace(const std::string& dataDir)
{
    std::error_code ignored;
    fs::path lexical = fs::absolute(dataDir, ignored).lexically_normal();
    if (lexical.filename().empty())
        lexical = lexical.parent_path();
    if (const std::string real = realPath(dataDir); !real.empty())
        return fs::path(real);
    if (const std::string parent = realPath(lexical.parent_path().string()); !parent.empty())
        return fs::path(parent) / lexical.filename();
    return lexical;
}

std::string holderOf(int fd)
{
    char text[256] = {};
    const ssize_t size = ::pread(fd, text, sizeof text - 1, 0);
    std::string holder(text, size > 0 ? static_cast<std::size_t>(size) : 0);
    while (!holder.empty() && (holder.back() == '\n' || holder.back() == '\0'))
        holder.pop_back();
    return holder;  // empty in the instant before the holder has written what it does
}

}  // namespace

FolderLock::~FolderLock()
{
    release();
}

std::string FolderLock::placeOf(const std::string& dataDir)
{
    const fs::path real = realPlace(dataDir);
    return (real.parent_path() / ("." + real.filename().string() + ".verrou")).string();
}

bool FolderLock::take(const std::string& dataDir, const std::string& activity, std::string& error)
{
    release();
    std::error_code ignored;
    // a first run: no ~/.local/share/vorlane yet
    fs::create_directories(fs::path(placeOf(dataDir)).parent_path(), ignored);
    std::string place = placeOf(dataDir);
    fd_ = ::open(place.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        place = dataDir;
        fd_ = ::open(dataDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        error = "le dossier des listes " + dataDir + " ne peut pas être verrouillé, ni par "
            + placeOf(dataDir) + " ni par lui-même (" + ExclusiveFile::reason(errno) + ")";
        return false;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        const std::string holder = holderOf(fd_);
        release();
        error = why == EWOULDBLOCK
            ? "une autre opération est en cours sur le dossier des listes " + dataDir
                + (holder.empty() ? std::string() : " (" + holder + ")")
                + " : attendre qu'elle soit finie, puis recommencer"
            : place + " ne peut pas être verrouillé (" + ExclusiveFile::reason(why) + ")";
        return false;
    }
    tellHolder(activity);
    return true;
}

// Best effort: a lock file that cannot be written still locks.
void FolderLock::tellHolder(const std::string& activity) const
{
    const std::string text = activity + " par " + program_invocation_short_name + ", processus "
        + std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, text.data(), text.size(), 0) < 0)
        return;
}

void FolderLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

}  // namespace listfolder
