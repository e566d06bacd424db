#include <files/NewFile.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

HANDLE asHandle(void* handle)
{
    return static_cast<HANDLE>(handle);
}

}  // namespace

NewFile::~NewFile()
{
    if (handle_)
        CloseHandle(asHandle(handle_));
}

int NewFile::create(const std::string& path, unsigned mode)
{
    if (handle_)
        return EBUSY;
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // CREATE_NEW fails on any name already there, a symbolic link included. Others may read
    // it, and rename it once it is closed.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), EACCES);
    handle_ = handle;
    return (mode & 0222) ? 0 : setMode(mode);
}

bool NewFile::isOpen() const
{
    return handle_ != nullptr;
}

int NewFile::write(const char* data, std::size_t size)
{
    if (!handle_)
        return EBADF;
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!WriteFile(asHandle(handle_), data, chunk, &put, nullptr))
            return errnoFromWindows(GetLastError(), EIO);
        if (put == 0)
            return ENOSPC;
        data += put;
        size -= put;
    }
    return 0;
}

// Windows keeps one permission mark of its own: read-only, for a mode without any write bit.
int NewFile::setMode(unsigned mode)
{
    if (!handle_)
        return EBADF;
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(asHandle(handle_), FileBasicInfo, &basic, sizeof basic))
        return errnoFromWindows(GetLastError(), EIO);
    if (mode & 0222)
        basic.FileAttributes &= ~DWORD{FILE_ATTRIBUTE_READONLY};
    else
        basic.FileAttributes |= FILE_ATTRIBUTE_READONLY;
    if (basic.FileAttributes == 0)
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(asHandle(handle_), FileBasicInfo, &basic, sizeof basic))
        return errnoFromWindows(GetLastError(), EPERM);
    return 0;
}

int NewFile::sync()
{
    if (!handle_)
        return EBADF;
    return FlushFileBuffers(asHandle(handle_)) ? 0 : errnoFromWindows(GetLastError(), EIO);
}

int NewFile::close()
{
    if (!handle_)
        return EBADF;
    const bool closed = CloseHandle(asHandle(handle_));
    handle_ = nullptr;
    return closed ? 0 : errnoFromWindows(GetLastError(), EIO);
}

}  // namespace files
