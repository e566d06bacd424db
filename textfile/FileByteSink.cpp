#include "FileByteSink.h"

#include <cerrno>
#include <cstring>

namespace textfile {

FileByteSink::FileByteSink(const std::string& path)
{
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_)
        error_ = std::strerror(errno ? errno : EACCES);
}

FileByteSink::~FileByteSink()
{
    close();
}

bool FileByteSink::write(const char* data, std::size_t size)
{
    if (!file_)
        return false;
    if (std::fwrite(data, 1, size, file_) != size) {
        if (error_.empty())
            error_ = std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool FileByteSink::close()
{
    if (!file_)
        return error_.empty();
    if (std::fclose(file_) != 0 && error_.empty())
        error_ = std::strerror(errno ? errno : EIO);
    file_ = nullptr;
    return error_.empty();
}

}  // namespace textfile
