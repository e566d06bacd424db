#include <files/OutputFile.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

OutputFile::~OutputFile()
{
    close();
}

int OutputFile::open(const std::string& path)
{
    close();
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), EACCES);
    handle_ = handle;
    return 0;
}

bool OutputFile::isOpen() const
{
    return handle_ != nullptr;
}

int OutputFile::write(const char* data, std::size_t size)
{
    if (!handle_)
        return EBADF;
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!::WriteFile(handle_, data, chunk, &put, nullptr))
            return errnoFromWindows(GetLastError(), EIO);
        data += put;
        size -= put;
    }
    return 0;
}

int OutputFile::close()
{
    if (!handle_)
        return 0;
    const bool closed = CloseHandle(handle_);
    handle_ = nullptr;
    return closed ? 0 : errnoFromWindows(GetLastError(), EIO);
}

}  // namespace files
