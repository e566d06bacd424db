#include <textfile/SystemReason.h>
#include <workshop/window/DescriptorByteSink.h>

#include <cerrno>

#include <unistd.h>

namespace workshop {

int DescriptorByteSink::writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 && errno ? errno : ENOSPC;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

bool DescriptorByteSink::write(const char* data, std::size_t size)
{
    if (error_ != 0)
        return false;  // the output is lost already: spare the disk
    const int fd = file_.handle();
    error_ = fd < 0 ? EBADF : writeAll(fd, data, size);
    return error_ == 0;
}

std::string DescriptorByteSink::errorText() const
{
    return error_ ? textfile::systemReason(error_) : std::string();
}

}  // namespace workshop
