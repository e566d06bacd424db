#include <files/LockFile.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// The byte locked, far beyond any text: a lock on Windows forbids others to read what it
// covers.
constexpr DWORD lockedOffsetHigh = 0x40000000;

HANDLE asHandle(void* handle)
{
    return static_cast<HANDLE>(handle);
}

}  // namespace

LockFile::~LockFile()
{
    close();
}

int LockFile::openFile(const std::string& path)
{
    close();
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE handle =
        CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoFromWindows(GetLastError(), EACCES);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        CloseHandle(handle);
        return ELOOP;  // never through a link
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        CloseHandle(handle);
        return EISDIR;
    }
    handle_ = handle;
    return 0;
}

int LockFile::openFolder(const std::string& path, bool followLink)
{
    close();
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE handle = CreateFileW(
        wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoFromWindows(GetLastError(), EACCES);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool read = GetFileInformationByHandle(handle, &information);
    if (!read || !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        CloseHandle(handle);
        return !read                                                    ? EIO
            : (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? ELOOP
                                                                        : ENOTDIR;
    }
    handle_ = handle;
    folder_ = true;
    path_ = wide;
    return 0;
}

int LockFile::tryLock()
{
    if (!handle_)
        return EBADF;
    if (folder_) {
        if (folderLock_)
            return 0;
        // Adding folders is a right that no two handles share here: the second holder is
        // refused, while whoever lists, reads or writes the files inside goes on.
        const HANDLE lock =
            CreateFileW(path_.c_str(), FILE_ADD_SUBDIRECTORY, FILE_SHARE_READ | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (lock == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : errnoFromWindows(error, EIO);
        }
        folderLock_ = lock;
        return 0;
    }
    OVERLAPPED place{};
    place.OffsetHigh = lockedOffsetHigh;
    if (LockFileEx(asHandle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &place))
        return 0;
    const DWORD error = GetLastError();
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING
        ? EWOULDBLOCK
        : errnoFromWindows(error, EIO);
}

std::string LockFile::text(std::size_t limit) const
{
    if (!handle_ || folder_)
        return {};
    std::string bytes(limit, '\0');
    OVERLAPPED place{};
    DWORD got = 0;
    if (!ReadFile(asHandle(handle_), bytes.data(), static_cast<DWORD>(limit), &got, &place))
        got = 0;
    bytes.resize(got);
    return bytes;
}

void LockFile::setText(const std::string& text)
{
    if (!handle_ || folder_)
        return;
    LARGE_INTEGER start{};
    DWORD put = 0;
    OVERLAPPED place{};
    if (SetFilePointerEx(asHandle(handle_), start, nullptr, FILE_BEGIN)
        && SetEndOfFile(asHandle(handle_)))
        WriteFile(asHandle(handle_), text.data(), static_cast<DWORD>(text.size()), &put, &place);
}

std::uint64_t LockFile::names() const
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (!handle_ || folder_ || !GetFileInformationByHandle(asHandle(handle_), &information))
        return 0;
    return information.nNumberOfLinks;
}

bool LockFile::isOpen() const
{
    return handle_ != nullptr;
}

void LockFile::close()
{
    if (folderLock_)
        CloseHandle(asHandle(folderLock_));
    if (handle_)
        CloseHandle(asHandle(handle_));
    folderLock_ = nullptr;
    handle_ = nullptr;
    folder_ = false;
    path_.clear();
}

}  // namespace files
