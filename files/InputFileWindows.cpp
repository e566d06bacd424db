#include <files/FileKind.h>
#include <files/InputFile.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// EISDIR for a folder, notAPlainFile for a pipe, console or device, 0 for a plain file.
int kindError(HANDLE handle)
{
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return notAPlainFile;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information))
        return errnoFromWindows(GetLastError(), EIO);
    return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : 0;
}

}  // namespace

InputFile::~InputFile()
{
    close();
}

int InputFile::open(const std::string& path)
{
    close();
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // Others may read, write or rename the file meanwhile, as on POSIX systems. Backup
    // semantics let a folder open too, so that it is told apart from a missing file.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), EACCES);
    if (const int error = kindError(handle)) {
        CloseHandle(handle);
        return error;
    }
    handle_ = handle;
    return 0;
}

bool InputFile::isOpen() const
{
    return handle_ != nullptr;
}

std::size_t InputFile::read(char* buffer, std::size_t capacity, int& error)
{
    if (!handle_)
        return 0;
    const DWORD wanted = capacity > (1u << 30) ? (1u << 30) : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!::ReadFile(handle_, buffer, wanted, &got, nullptr)) {
        error = errnoFromWindows(GetLastError(), EIO);
        return 0;
    }
    return got;
}

void InputFile::close()
{
    if (handle_)
        CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace files
