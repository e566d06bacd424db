#include "FileByteSource.h"

#include <cerrno>
#include <cstring>

namespace textfile {

FileByteSource::FileByteSource(const std::string& path)
{
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        error_ = std::strerror(errno ? errno : ENOENT);
}

FileByteSource::~FileByteSource()
{
    if (file_)
        std::fclose(file_);
}

std::size_t FileByteSource::read(char* buffer, std::size_t capacity)
{
    if (!file_)
        return 0;
    const std::size_t got = std::fread(buffer, 1, capacity, file_);
    if (got == 0 && std::ferror(file_) && error_.empty())
        error_ = std::strerror(errno ? errno : EIO);
    return got;
}

}  // namespace textfile
