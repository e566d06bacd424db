#include <files/FileKind.h>
#include <files/Replace.h>
#include <files/SystemCalls.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

namespace {

// Windows refuses to replace a file that another program holds open without sharing its
// deletion as "access denied", as it refuses a file the player may not change: only opening
// it for deletion, sharing everything, tells the two apart.
bool heldByAnotherProgram(const std::wstring& wide)
{
    const HANDLE handle =
        CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace

int replaceFile(const std::string& from, const std::string& to)
{
    std::wstring wideFrom, wideTo;
    if (!widePath(from, wideFrom) || !widePath(to, wideTo))
        return EINVAL;
    // std::rename does not replace an existing file on Windows; this does, and returns only
    // once the new name is on disk.
    if (!MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const int error = system::lastError(EIO);
        return error == EACCES && heldByAnotherProgram(wideTo) ? usedByAnotherProgram : error;
    }
    return 0;
}

}  // namespace files
