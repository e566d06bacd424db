#include <files/NewFile.h>

#include <files/HandleCalls.h>

#include <cerrno>

namespace files {

NewFile::~NewFile() = default;

int NewFile::create(const std::string& path, unsigned mode)
{
    if (file_.isOpen())
        return EBUSY;
    return openInto(file_, path, system::Opening::create, mode);
}

bool NewFile::isOpen() const
{
    return file_.isOpen();
}

int NewFile::write(const char* data, std::size_t size)
{
    return writeAll(file_.get(), data, size);
}

int NewFile::setMode(unsigned mode)
{
    return file_.isOpen() ? system::setMode(file_.get(), mode) : EBADF;
}

int NewFile::sync()
{
    return file_.isOpen() ? system::sync(file_.get()) : EBADF;
}

int NewFile::close()
{
    return file_.close();
}

}  // namespace files
