#include <files/FileKind.h>
#include <files/LockFile.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

int lastError(int fallback)
{
    return errno ? errno : fallback;
}

}  // namespace

LockFile::~LockFile()
{
    close();
}

int LockFile::openFile(const std::string& path)
{
    close();
    errno = 0;
    descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor_ < 0)
        return lastError(EACCES);
    struct stat status {};
    if (::fstat(descriptor_, &status) == 0 && S_ISREG(status.st_mode))
        return 0;
    close();
    return notAPlainFile;
}

int LockFile::openFolder(const std::string& path, bool followLink)
{
    close();
    errno = 0;
    descriptor_ =
        ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    return descriptor_ >= 0 ? 0 : lastError(EACCES);
}

int LockFile::tryLock()
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0)
        return 0;
    return errno == EWOULDBLOCK ? EWOULDBLOCK : lastError(EIO);
}

std::string LockFile::text(std::size_t limit) const
{
    std::string bytes(limit, '\0');
    const ssize_t size = descriptor_ < 0 ? -1 : ::pread(descriptor_, bytes.data(), limit, 0);
    bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return bytes;
}

void LockFile::setText(const std::string& text)
{
    if (descriptor_ >= 0 && ::ftruncate(descriptor_, 0) == 0
        && ::pwrite(descriptor_, text.data(), text.size(), 0) < 0)
        return;
}

std::uint64_t LockFile::names() const
{
    struct stat status {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    return static_cast<std::uint64_t>(status.st_nlink);
}

bool LockFile::isOpen() const
{
    return descriptor_ >= 0;
}

void LockFile::close()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace files
