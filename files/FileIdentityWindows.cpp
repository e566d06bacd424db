#include <files/FileIdentity.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

int identityOf(const std::string& path, FileIdentity& identity)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    // No access right asked: the identity of a file others hold open is read all the same.
    const HANDLE handle =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return errnoForPath(wide, GetLastError(), ENOENT);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool read = GetFileInformationByHandle(handle, &information);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (!read)
        return errnoFromWindows(error, EIO);
    identity.volume = information.dwVolumeSerialNumber;
    identity.index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    return 0;
}

}  // namespace files
