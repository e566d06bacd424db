#include <textfile/FileByteSink.h>
#include <textfile/SystemReason.h>

namespace textfile {

FileByteSink::FileByteSink(const std::string& path)
{
    if (const int error = file_.open(path))
        fail(error);
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
    if (!file_.isOpen())
        return false;
    if (const int error = file_.write(data, size)) {
        fail(error);
        return false;
    }
    return true;
}

bool FileByteSink::close()
{
    if (const int error = file_.close())
        fail(error);
    return error_.empty();
}

}  // namespace textfile
