#include <files/NewFile.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

int lastError(int fallback)
{
    return errno ? errno : fallback;
}

}  // namespace

NewFile::~NewFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

int NewFile::create(const std::string& path, unsigned mode)
{
    if (descriptor_ >= 0)
        return EBUSY;
    errno = 0;
    descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         static_cast<mode_t>(mode));
    return descriptor_ >= 0 ? 0 : lastError(EACCES);
}

bool NewFile::isOpen() const
{
    return descriptor_ >= 0;
}

int NewFile::write(const char* data, std::size_t size)
{
    if (descriptor_ < 0)
        return EBADF;
    while (size > 0) {
        errno = 0;
        const ssize_t written = ::write(descriptor_, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError(EIO);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

int NewFile::setMode(unsigned mode)
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    return ::fchmod(descriptor_, static_cast<mode_t>(mode & 07777)) == 0 ? 0 : lastError(EPERM);
}

int NewFile::sync()
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    return ::fsync(descriptor_) == 0 ? 0 : lastError(EIO);
}

int NewFile::close()
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 || errno == EINTR ? 0 : lastError(EIO);
}

}  // namespace files
