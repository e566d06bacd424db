#include <textfile/SystemReason.h>
#include <workshop/window/DescriptorByteSink.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace workshop {

bool DescriptorByteSink::write(const char* data, std::size_t size)
{
    if (error_ != 0)
        return false;  // the output is lost already: spare the disk
    const int fd = file_.handle();
    if (fd < 0) {
        error_ = EBADF;
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that stores nothing without an error means there is no room left.
            error_ = written < 0 && errno ? errno : ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string DescriptorByteSink::errorText() const
{
    return error_ ? textfile::systemReason(error_) : std::string();
}

}  // namespace workshop
