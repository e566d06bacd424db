#include <files/WritableFile.h>
#include <textfile/SystemReason.h>
#include <workshop/window/DescriptorByteSink.h>

#include <cerrno>

namespace workshop {

int DescriptorByteSink::writeAll(int fd, const char* data, std::size_t size)
{
    return files::writeOpenFile(fd, data, size);
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
