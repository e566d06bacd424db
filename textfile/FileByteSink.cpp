#include <textfile/FileByteSink.h>
#include <textfile/SystemReason.h>

#include <cerrno>
#include <cstring>

namespace textfile {

FileByteSink::FileByteSink(const std::string& path)
{
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_)
        fail(errno ? errno : EACCES);
}

void FileByteSink::fail(int number)
{
    if (!error_.empty())
        return;  // the first reason is the one that counts
    errorNumber_ = number;
    error_ = systemReason(number);
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
        fail(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool FileByteSink::close()
{
    if (!file_)
        return error_.empty();
    if (std::fclose(file_) != 0)
        fail(errno ? errno : EIO);
    file_ = nullptr;
    return error_.empty();
}

}  // namespace textfile
