#include <files/SystemCalls.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <io.h>
#include <windows.h>

namespace files::system {

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The byte locked, far beyond any text: a lock on Windows forbids others to read what it
// covers.
constexpr DWORD lockedOffsetHigh = 0x40000000;

HANDLE asHandle(NativeHandle handle)
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

struct Way {
    DWORD access;
    DWORD share;
    DWORD disposition;
    DWORD flags;
};

// Others may read, write or rename a file read or written where it stands, as on POSIX
// systems, but not delete it while it is written, which keeps it at its path. CREATE_NEW fails
// on any name already there, a symbolic link included; others may read a new file, and rename
// it once it is closed. Backup semantics let a folder open too, so that it is told apart from
// a missing file. A lock file is opened on a link itself, which is then refused.
Way wayOf(Opening opening)
{
    switch (opening) {
    case Opening::read:
        return {GENERIC_READ, shareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS};
    case Opening::replace:
        return {GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL};
    case Opening::create:
        return {GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_DELETE,
                CREATE_NEW, FILE_ATTRIBUTE_NORMAL};
    case Opening::writeExisting:
        return {GENERIC_WRITE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL};
    case Opening::lock:
        return {GENERIC_READ | GENERIC_WRITE, shareAll, OPEN_ALWAYS,
                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT};
    }
    return {GENERIC_READ, shareAll, OPEN_EXISTING, 0};
}

bool isLink(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information{};
    return !GetFileInformationByHandle(handle, &information)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// What ReadFile or WriteFile said: how many bytes in `done`, or why none (the end of the file
// is no failure).
int counted(bool succeeded, DWORD count, std::size_t& done)
{
    done = count;
    const DWORD error = succeeded ? ERROR_SUCCESS : GetLastError();
    return succeeded || error == ERROR_HANDLE_EOF ? 0 : errnoFromWindows(error, EIO);
}

// Where a read or a write goes: nowhere given is where the file stands.
OVERLAPPED* placeOf(OVERLAPPED& place, std::uint64_t offset)
{
    place = at(offset);
    return offset == whereItStands ? nullptr : &place;
}

}  // namespace

int lastError(int fallback)
{
    return errnoFromWindows(GetLastError(), fallback);
}

int open(const std::string& path, Opening opening, unsigned mode, NativeHandle& handle)
{
    handle = noHandle;
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const Way way = wayOf(opening);
    const HANDLE opened = CreateFileW(wide.c_str(), way.access, way.share, nullptr, way.disposition,
                                      way.flags, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return opening == Opening::lock ? lastError(EACCES)
                                        : errnoForPath(wide, GetLastError(), EACCES);
    if (opening == Opening::lock && isLink(opened)) {
        CloseHandle(opened);
        return ELOOP;  // never through a link
    }
    handle = opened;
    // Windows keeps one permission mark of its own: read-only, for a mode without a write bit.
    return opening == Opening::create && !(mode & 0222) ? setMode(handle, mode) : 0;
}

int openFolder(const std::string& path, bool followLink, NativeHandle& handle)
{
    handle = noHandle;
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE opened = CreateFileW(
        wide.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return lastError(EACCES);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool read = GetFileInformationByHandle(opened, &information);
    const DWORD attributes = information.dwFileAttributes;
    if (!read || !(attributes & FILE_ATTRIBUTE_DIRECTORY)
        || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        CloseHandle(opened);
        return !read ? EIO : (attributes & FILE_ATTRIBUTE_DIRECTORY) ? ELOOP : ENOTDIR;
    }
    handle = opened;
    return 0;
}

int close(NativeHandle handle)
{
    return CloseHandle(asHandle(handle)) ? 0 : lastError(EIO);
}

int read(NativeHandle handle, char* buffer, std::size_t size, std::uint64_t offset,
         std::size_t& got)
{
    OVERLAPPED place;
    DWORD count = 0;
    const bool done = ReadFile(asHandle(handle), buffer, static_cast<DWORD>(size), &count,
                               placeOf(place, offset));
    return counted(done, count, got);
}

int write(NativeHandle handle, const char* data, std::size_t size, std::uint64_t offset,
          std::size_t& put)
{
    OVERLAPPED place;
    DWORD count = 0;
    const bool done =
        WriteFile(asHandle(handle), data, static_cast<DWORD>(size), &count, placeOf(place, offset));
    return counted(done, count, put);
}

int sync(NativeHandle handle)
{
    return FlushFileBuffers(asHandle(handle)) ? 0 : lastError(EIO);
}

int setMode(NativeHandle handle, unsigned mode)
{
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(asHandle(handle), FileBasicInfo, &basic, sizeof basic))
        return lastError(EIO);
    if (mode & 0222)
        basic.FileAttributes &= ~DWORD{FILE_ATTRIBUTE_READONLY};
    else
        basic.FileAttributes |= FILE_ATTRIBUTE_READONLY;
    if (basic.FileAttributes == 0)
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(asHandle(handle), FileBasicInfo, &basic, sizeof basic))
        return lastError(EPERM);
    return 0;
}

int resize(NativeHandle handle, std::uint64_t size)
{
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(asHandle(handle), FileEndOfFileInfo, &end, sizeof end))
        return lastError(EIO);
    return 0;
}

// The allocation size, apart from the end of the file: room taken, length unchanged. Never
// less than the room it has, which would cut the file.
int reserve(NativeHandle handle, std::uint64_t size)
{
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(asHandle(handle), FileStandardInfo, &standard,
                                      sizeof standard))
        return lastError(EIO);
    if (size <= static_cast<std::uint64_t>(standard.AllocationSize.QuadPart))
        return 0;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFileInformationByHandle(asHandle(handle), FileAllocationInfo, &allocation,
                                    sizeof allocation))
        return lastError(EOPNOTSUPP);
    return 0;
}

int tryLock(NativeHandle handle)
{
    OVERLAPPED place{};
    place.OffsetHigh = lockedOffsetHigh;
    if (LockFileEx(asHandle(handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &place))
        return 0;
    const DWORD error = GetLastError();
    return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING
        ? EWOULDBLOCK
        : errnoFromWindows(error, EIO);
}

// Adding folders is a right that no two handles share here: the second holder is refused,
// while whoever lists, reads or writes the files inside goes on.
int tryLockFolder(NativeHandle, const std::string& path, NativeHandle& lock)
{
    lock = noHandle;
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE opened =
        CreateFileW(wide.c_str(), FILE_ADD_SUBDIRECTORY, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : errnoFromWindows(error, EIO);
    }
    lock = opened;
    return 0;
}

int handleOf(int descriptor, NativeHandle& handle)
{
    const intptr_t native = _get_osfhandle(descriptor);
    handle = native == -1 ? noHandle : reinterpret_cast<HANDLE>(native);
    return native == -1 ? EBADF : 0;
}

int descriptorOf(NativeHandle)
{
    return -1;
}

}  // namespace files::system
