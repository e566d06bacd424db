#include <files/WritableFile.h>

#include <files/FileFacts.h>
#include <files/HandleCalls.h>

#include <cerrno>

namespace files {

WritableFile::~WritableFile() = default;

int WritableFile::open(const std::string& path)
{
    close();
    FileFacts facts;
    int error = openPlainFile(file_, path, system::Opening::writeExisting);
    if (error == 0)
        error = system::factsOf(file_.get(), facts);
    if (error != 0) {
        file_.close();
        return error;
    }
    identity_ = facts.identity;
    return 0;
}

bool WritableFile::isOpen() const
{
    return file_.isOpen();
}

int WritableFile::size(std::uint64_t& length, std::uint64_t& room) const
{
    FileFacts facts;
    if (!file_.isOpen())
        return EBADF;
    if (const int error = system::factsOf(file_.get(), facts))
        return error;
    length = facts.size;
    room = facts.room;
    return 0;
}

int WritableFile::reserve(std::uint64_t size)
{
    if (!file_.isOpen())
        return EBADF;
    return retried([this, size] { return system::reserve(file_.get(), size); });
}

int WritableFile::writeAt(const char* data, std::size_t size, std::uint64_t offset)
{
    return writeAll(file_.get(), data, size, offset);
}

int WritableFile::resize(std::uint64_t size)
{
    return file_.isOpen() ? system::resize(file_.get(), size) : EBADF;
}

int WritableFile::sync()
{
    return file_.isOpen() ? system::sync(file_.get()) : EBADF;
}

int WritableFile::descriptor() const
{
    return system::descriptorOf(file_.get());
}

void WritableFile::close()
{
    file_.close();
}

std::size_t readAt(int descriptor, char* buffer, std::size_t size, std::uint64_t offset, int& error)
{
    NativeHandle handle = noHandle;
    if (const int refused = system::handleOf(descriptor, handle)) {
        error = refused;
        return 0;
    }
    return readSome(handle, buffer, size, offset, error);
}

int writeOpenFile(int descriptor, const char* data, std::size_t size)
{
    NativeHandle handle = noHandle;
    if (const int error = system::handleOf(descriptor, handle))
        return error;
    return writeAll(handle, data, size);
}

int syncOpenFile(int descriptor)
{
    NativeHandle handle = noHandle;
    if (const int error = system::handleOf(descriptor, handle))
        return error;
    return system::sync(handle);
}

int sizeOfOpenFile(int descriptor, std::uint64_t& size)
{
    NativeHandle handle = noHandle;
    FileFacts facts;
    if (const int error = system::handleOf(descriptor, handle))
        return error;
    if (const int error = system::factsOf(handle, facts))
        return error;
    size = facts.size;
    return 0;
}

}  // namespace files
