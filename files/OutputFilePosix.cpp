#include <files/OutputFile.h>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace files {

OutputFile::~OutputFile()
{
    close();
}

int OutputFile::open(const std::string& path)
{
    close();
    errno = 0;
    descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor_ < 0)
        return errno ? errno : EACCES;
    return 0;
}

bool OutputFile::isOpen() const
{
    return descriptor_ >= 0;
}

int OutputFile::write(const char* data, std::size_t size)
{
    if (descriptor_ < 0)
        return EBADF;
    while (size > 0) {
        const ssize_t put = ::write(descriptor_, data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return errno ? errno : EIO;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return 0;
}

int OutputFile::close()
{
    if (descriptor_ < 0)
        return 0;
    // A network or quota file system may report a failed write only here.
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

}  // namespace files
