#include <listfolder/RunLock.h>

#include <listfolder/ExclusiveFile.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace listfolder {

RunLock::~RunLock()
{
    release();
}

bool RunLock::take(const std::string& workDir, const std::string& dataDir, std::string& error)
{
    release();
    if (folder_.take(dataDir, "fabrication de listes", error) && takeWorkFolder(workDir, error))
        return true;
    release();
    return false;
}

bool RunLock::takeWorkFolder(const std::string& workDir, std::string& error)
{
    const std::string place = workDir + "/" + fileName;
    std::error_code ignored;
    if (!workDir.empty())
        std::filesystem::create_directories(workDir, ignored);  // a first run: ~/.cache missing
    fd_ = workDir.empty() ? -1
                          : ::open(place.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return true;  // a work folder not ours: nothing there to guard, the folder lock holds
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd_);
        fd_ = -1;
        error = why == EWOULDBLOCK
            ? "une autre fabrication de listes est en cours (" + place
                + " est pris) : attendre qu'elle soit finie, puis recommencer"
            : place + " ne peut pas être verrouillé (" + ExclusiveFile::reason(why) + ")";
        return false;
    }
    return true;
}

void RunLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    folder_.release();
}

}  // namespace listfolder
