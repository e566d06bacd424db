#include <files/Replace.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>

#include <windows.h>

namespace files {

int replaceFile(const std::string& from, const std::string& to)
{
    std::wstring wideFrom, wideTo;
    if (!widePath(from, wideFrom) || !widePath(to, wideTo))
        return EINVAL;
    // std::rename does not replace an existing file on Windows; this does, and returns only
    // once the new name is on disk.
    if (!MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return errnoFromWindows(GetLastError(), EIO);
    return 0;
}

}  // namespace files
