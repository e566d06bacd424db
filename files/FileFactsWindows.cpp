#include <files/FileFacts.h>
#include <files/SystemCalls.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// 100-nanosecond ticks between 1601 and 1970.
constexpr std::int64_t unixEpoch = 116444736000000000LL;

std::uint64_t joined(DWORD high, DWORD low)
{
    return (std::uint64_t{high} << 32) | low;
}

// `linkItself`: the handle was opened on a link, not on what it leads to.
int factsOfHandle(HANDLE handle, FileFacts& facts, bool linkItself)
{
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        facts = FileFacts{};  // a pipe, a console or a device
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information))
        return errnoFromWindows(GetLastError(), EIO);
    const DWORD attributes = information.dwFileAttributes;
    facts.kind = linkItself && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileFacts::Kind::link
        : (attributes & FILE_ATTRIBUTE_DIRECTORY)                          ? FileFacts::Kind::folder
                                                  : FileFacts::Kind::regular;
    facts.identity.volume = information.dwVolumeSerialNumber;
    facts.identity.index = joined(information.nFileIndexHigh, information.nFileIndexLow);
    facts.size = joined(information.nFileSizeHigh, information.nFileSizeLow);
    FILE_STANDARD_INFO standard{};
    // the room alone is asked again; where it cannot be read it stays 0
    facts.room = GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)
        ? static_cast<std::uint64_t>(standard.AllocationSize.QuadPart)
        : 0;
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    facts.mode = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0777 : readOnly ? 0444 : 0666;
    facts.links = information.nNumberOfLinks;
    const std::int64_t ticks =
        static_cast<std::int64_t>(joined(information.ftLastWriteTime.dwHighDateTime,
                                         information.ftLastWriteTime.dwLowDateTime))
        - unixEpoch;
    facts.modifiedSeconds = ticks / 10000000;
    facts.modifiedNanoseconds = (ticks % 10000000) * 100;
    return 0;
}

}  // namespace

int factsOf(const std::string& path, FileFacts& facts, bool followLinks)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // No access right asked: the facts of a file others hold open are read all the same.
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), ENOENT);
    const int error = factsOfHandle(handle, facts, !followLinks);
    CloseHandle(handle);
    return error;
}

int system::factsOf(NativeHandle handle, FileFacts& facts)
{
    return factsOfHandle(static_cast<HANDLE>(handle), facts, false);
}

}  // namespace files
