#include <files/OutputFile.h>

#include <files/HandleCalls.h>

namespace files {

OutputFile::~OutputFile() = default;

int OutputFile::open(const std::string& path)
{
    close();
    return openInto(file_, path, system::Opening::replace, 0666);
}

bool OutputFile::isOpen() const
{
    return file_.isOpen();
}

int OutputFile::write(const char* data, std::size_t size)
{
    return writeAll(file_.get(), data, size);
}

// A network or quota file system may report a failed write only here.
int OutputFile::close()
{
    return file_.close();
}

}  // namespace files
