#include <textfile/FileByteSource.h>
#include <textfile/SystemReason.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {

namespace {

// EISDIR for a folder, notAPlainFile for a pipe, device or socket, 0 for a plain file.
int kindError(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return 0;
    return S_ISDIR(status.st_mode) ? EISDIR : notAPlainFile;
}

}  // namespace

FileByteSource::FileByteSource(const std::string& path)
{
    open(path);
}

void FileByteSource::open(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        error_ = errno ? errno : ENOENT;
        return;
    }
    if ((error_ = kindError(status)) != 0)
        return;
    // Non-blocking, in case the path was swapped for a pipe since the check: the open returns
    // at once, and the check below refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno ? errno : EACCES;
        return;
    }
    if (::fstat(fd, &status) != 0 || (error_ = kindError(status)) != 0) {
        if (error_ == 0)
            error_ = errno ? errno : EIO;
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "rb");
    if (!file_) {
        error_ = errno ? errno : ENOMEM;
        ::close(fd);
    }
}

FileByteSource::~FileByteSource()
{
    if (file_)
        std::fclose(file_);
}

std::string FileByteSource::errorText() const
{
    if (error_ == 0)
        return {};
    return systemReason(error_);
}

std::size_t FileByteSource::read(char* buffer, std::size_t capacity)
{
    if (!file_)
        return 0;
    errno = 0;
    const std::size_t got = std::fread(buffer, 1, capacity, file_);
    if (got == 0 && std::ferror(file_) && error_ == 0)
        error_ = errno ? errno : EIO;
    return got;
}

}  // namespace textfile
