#include <files/FileKind.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>
#include <files/WritableFile.h>

#include <cerrno>

#include <io.h>
#include <windows.h>

namespace files {

namespace {

HANDLE asHandle(void* handle)
{
    return static_cast<HANDLE>(handle);
}

OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED place{};
    place.Offset = static_cast<DWORD>(offset);
    place.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return place;
}

}  // namespace

WritableFile::~WritableFile()
{
    close();
}

int WritableFile::open(const std::string& path)
{
    close();
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // Others may go on reading and writing it, as on POSIX systems; it cannot be deleted or
    // renamed while it is open, which keeps it at its path.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), EACCES);
    BY_HANDLE_FILE_INFORMATION information{};
    int error = 0;
    if (GetFileType(handle) != FILE_TYPE_DISK)
        error = notAPlainFile;
    else if (!GetFileInformationByHandle(handle, &information))
        error = errnoFromWindows(GetLastError(), EIO);
    else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        error = EISDIR;
    if (error != 0) {
        CloseHandle(handle);
        return error;
    }
    handle_ = handle;
    identity_ = {information.dwVolumeSerialNumber,
                 (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
    return 0;
}

bool WritableFile::isOpen() const
{
    return handle_ != nullptr;
}

int WritableFile::size(std::uint64_t& length, std::uint64_t& room) const
{
    if (!handle_)
        return EBADF;
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(asHandle(handle_), FileStandardInfo, &standard,
                                      sizeof standard))
        return errnoFromWindows(GetLastError(), EIO);
    length = static_cast<std::uint64_t>(standard.EndOfFile.QuadPart);
    room = static_cast<std::uint64_t>(standard.AllocationSize.QuadPart);
    return 0;
}

// The allocation size, apart from the end of the file: room taken, length unchanged. Never
// less than the room it has, which would cut the file.
int WritableFile::reserve(std::uint64_t size)
{
    std::uint64_t length = 0, room = 0;
    if (const int error = this->size(length, room))
        return error;
    if (size <= room)
        return 0;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(asHandle(handle_), FileAllocationInfo, &allocation,
                                    sizeof allocation))
        return errnoFromWindows(GetLastError(), EOPNOTSUPP);
    return 0;
}

int WritableFile::writeAt(const char* data, std::size_t size, std::uint64_t offset)
{
    if (!handle_)
        return EBADF;
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        OVERLAPPED place = at(offset);
        DWORD put = 0;
        if (!WriteFile(asHandle(handle_), data, chunk, &put, &place))
            return errnoFromWindows(GetLastError(), EIO);
        if (put == 0)
            return ENOSPC;
        data += put;
        size -= put;
        offset += put;
    }
    return 0;
}

int WritableFile::resize(std::uint64_t size)
{
    if (!handle_)
        return EBADF;
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(asHandle(handle_), FileEndOfFileInfo, &end, sizeof end))
        return errnoFromWindows(GetLastError(), EIO);
    return 0;
}

int WritableFile::sync()
{
    if (!handle_)
        return EBADF;
    return FlushFileBuffers(asHandle(handle_)) ? 0 : errnoFromWindows(GetLastError(), EIO);
}

int WritableFile::descriptor() const
{
    return -1;
}

void WritableFile::close()
{
    if (handle_)
        CloseHandle(asHandle(handle_));
    handle_ = nullptr;
}

std::size_t readAt(int descriptor, char* buffer, std::size_t size, std::uint64_t offset, int& error)
{
    const intptr_t native = _get_osfhandle(descriptor);
    if (native == -1) {
        error = EBADF;
        return 0;
    }
    OVERLAPPED place = at(offset);
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD got = 0;
    if (ReadFile(reinterpret_cast<HANDLE>(native), buffer, chunk, &got, &place))
        return got;
    const DWORD failure = GetLastError();
    if (failure != ERROR_HANDLE_EOF)
        error = errnoFromWindows(failure, EIO);
    return 0;
}

int writeOpenFile(int descriptor, const char* data, std::size_t size)
{
    const intptr_t native = _get_osfhandle(descriptor);
    if (native == -1)
        return EBADF;
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!WriteFile(reinterpret_cast<HANDLE>(native), data, chunk, &put, nullptr))
            return errnoFromWindows(GetLastError(), EIO);
        if (put == 0)
            return ENOSPC;
        data += put;
        size -= put;
    }
    return 0;
}

int syncOpenFile(int descriptor)
{
    const intptr_t native = _get_osfhandle(descriptor);
    if (native == -1)
        return EBADF;
    return FlushFileBuffers(reinterpret_cast<HANDLE>(native))
        ? 0
        : errnoFromWindows(GetLastError(), EIO);
}

int sizeOfOpenFile(int descriptor, std::uint64_t& size)
{
    const intptr_t native = _get_osfhandle(descriptor);
    LARGE_INTEGER length{};
    if (native == -1)
        return EBADF;
    if (!GetFileSizeEx(reinterpret_cast<HANDLE>(native), &length))
        return errnoFromWindows(GetLastError(), EIO);
    size = static_cast<std::uint64_t>(length.QuadPart);
    return 0;
}

}  // namespace files
