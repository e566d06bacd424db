#include <files/FileFacts.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// 100-nanosecond ticks between 1601 and 1970.
constexpr std::int64_t unixEpoch = 116444736000000000LL;

}  // namespace

int factsOf(const std::string& path, FileFacts& facts, bool followLinks)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // No access right asked: the facts of a file others hold open is read all the same.
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
        facts = FileFacts{};  // a pipe, a console or a device
        return 0;
    }
    if (!read)
        return errnoFromWindows(error, EIO);
    const DWORD attributes = information.dwFileAttributes;
    facts.kind = !followLinks && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileFacts::Kind::link
        : (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileFacts::Kind::folder
                                                  : FileFacts::Kind::regular;
    facts.identity.volume = information.dwVolumeSerialNumber;
    facts.identity.index =
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    facts.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    facts.mode = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0777 : readOnly ? 0444 : 0666;
    const std::int64_t ticks =
        static_cast<std::int64_t>((std::uint64_t{information.ftLastWriteTime.dwHighDateTime} << 32)
                                  | information.ftLastWriteTime.dwLowDateTime)
        - unixEpoch;
    facts.modifiedSeconds = ticks / 10000000;
    facts.modifiedNanoseconds = (ticks % 10000000) * 100;
    return 0;
}

}  // namespace files
