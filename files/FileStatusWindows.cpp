#include <files/FileStatus.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// 100-nanosecond ticks between 1601 and 1970.
constexpr std::int64_t unixEpoch = 116444736000000000LL;

}  // namespace

int statusOf(const std::string& path, FileStatus& status, bool followLinks)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // No access right asked: the status of a file others hold open is read all the same.
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), ENOENT);
    const DWORD type = GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool read = type == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (type != FILE_TYPE_DISK) {
        status = FileStatus{};  // a pipe, a console or a device
        return 0;
    }
    if (!read)
        return errnoFromWindows(error, EIO);
    const DWORD attributes = information.dwFileAttributes;
    status.kind = !followLinks && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        ? FileStatus::Kind::link
        : (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileStatus::Kind::folder
                                                  : FileStatus::Kind::regular;
    status.identity.volume = information.dwVolumeSerialNumber;
    status.identity.index =
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    status.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    status.mode = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0777 : readOnly ? 0444 : 0666;
    const std::int64_t ticks =
        static_cast<std::int64_t>((std::uint64_t{information.ftLastWriteTime.dwHighDateTime} << 32)
                                  | information.ftLastWriteTime.dwLowDateTime)
        - unixEpoch;
    status.modifiedSeconds = ticks / 10000000;
    status.modifiedNanoseconds = (ticks % 10000000) * 100;
    return 0;
}

}  // namespace files
