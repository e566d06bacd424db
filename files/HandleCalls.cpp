#include <files/HandleCalls.h>

#include <files/FileKind.h>

#include <algorithm>
#include <cerrno>

namespace files {

std::size_t chunkOf(std::size_t size)
{
    return std::min(size, maxChunk);
}

int writeEvery(const WriteStep& write, const char* data, std::size_t size, std::uint64_t offset)
{
    while (size > 0) {
        std::size_t put = 0;
        const int error = write(data, chunkOf(size), offset, put);
        if (error == EINTR)
            continue;
        if (error != 0)
            return error;
        if (put == 0)
            return ENOSPC;  // no progress and no reason: the disk took nothing
        data += put;
        size -= put;
        if (offset != system::whereItStands)
            offset += put;
    }
    return 0;
}

int writeAll(NativeHandle handle, const char* data, std::size_t size, std::uint64_t offset)
{
    if (handle == noHandle)
        return EBADF;
    return writeEvery(
        [handle](const char* bytes, std::size_t count, std::uint64_t at, std::size_t& put) {
            return system::write(handle, bytes, count, at, put);
        },
        data, size, offset);
}

std::size_t readOnce(const ReadStep& read, char* buffer, std::size_t capacity, std::uint64_t offset,
                     int& error)
{
    for (;;) {
        std::size_t got = 0;
        const int failure = read(buffer, chunkOf(capacity), offset, got);
        if (failure == 0)
            return got;
        if (failure != EINTR) {
            error = failure;
            return 0;
        }
    }
}

std::size_t readSome(NativeHandle handle, char* buffer, std::size_t capacity, std::uint64_t offset,
                     int& error)
{
    if (handle == noHandle) {
        error = EBADF;
        return 0;
    }
    return readOnce(
        [handle](char* bytes, std::size_t count, std::uint64_t at, std::size_t& got) {
            return system::read(handle, bytes, count, at, got);
        },
        buffer, capacity, offset, error);
}

int openInto(OpenHandle& file, const std::string& path, system::Opening opening, unsigned mode)
{
    NativeHandle handle = noHandle;
    const int error = system::open(path, opening, mode, handle);
    file.hold(handle);
    return error;
}

int openPlainFile(OpenHandle& file, const std::string& path, system::Opening opening, unsigned mode)
{
    int error = openInto(file, path, opening, mode);
    if (error == 0)
        error = plainFileError(file.get());
    if (error != 0)
        file.close();
    return error;
}

int plainFileError(NativeHandle handle)
{
    FileFacts facts;
    if (const int error = system::factsOf(handle, facts))
        return error;
    switch (facts.kind) {
    case FileFacts::Kind::regular:
        return 0;
    case FileFacts::Kind::folder:
        return EISDIR;
    case FileFacts::Kind::link:
    case FileFacts::Kind::other:
        break;
    }
    return notAPlainFile;
}

int retried(const std::function<int()>& call)
{
    for (;;)
        if (const int error = call(); error != EINTR)
            return error;
}

}  // namespace files
