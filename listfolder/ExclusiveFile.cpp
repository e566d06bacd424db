#include <listfolder/ExclusiveFile.h>

#include <textfile/FileFailure.h>
#include <textfile/SystemReason.h>

#include <cerrno>

namespace listfolder {

ExclusiveFile::ExclusiveFile(const std::string& path, unsigned mode) : path_(path)
{
    if (const int error = file_.create(path, mode))
        fail(error);
}

ExclusiveFile::~ExclusiveFile() = default;

void ExclusiveFile::fail(int number)
{
    if (errorNumber_ != 0)
        return;
    errorNumber_ = number;
    error_ = textfile::failureText(path_, textfile::systemReason(number));
}

bool ExclusiveFile::write(const char* data, std::size_t size)
{
    if (!file_.isOpen() || errorNumber_ != 0)
        return false;
    if (const int error = file_.write(data, size)) {
        fail(error);
        return false;
    }
    return true;
}

bool ExclusiveFile::setMode(unsigned mode)
{
    if (const int error = file_.setMode(mode)) {
        fail(error);
        return false;
    }
    return true;
}

bool ExclusiveFile::close()
{
    if (!file_.isOpen())
        return false;
    if (const int error = file_.sync())
        fail(error);
    if (const int error = file_.close())
        fail(error);
    return errorNumber_ == 0;
}

}  // namespace listfolder
