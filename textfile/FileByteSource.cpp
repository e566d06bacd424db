#include <textfile/FileByteSource.h>
#include <textfile/SystemReason.h>

namespace textfile {

FileByteSource::FileByteSource(const std::string& path) : error_(file_.open(path)) {}

std::string FileByteSource::errorText() const
{
    if (error_ == 0)
        return {};
    return systemReason(error_);
}

std::size_t FileByteSource::read(char* buffer, std::size_t capacity)
{
    int error = 0;
    const std::size_t got = file_.read(buffer, capacity, error);
    if (error != 0 && error_ == 0)
        error_ = error;
    return got;
}

}  // namespace textfile
