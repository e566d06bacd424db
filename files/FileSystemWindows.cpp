#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/SystemCalls.h>
#include <files/Utf8Path.h>
#include <files/WidePath.h>
#include <files/WindowsError.h>

#include <cerrno>
#include <vector>

#include <windows.h>

namespace files {

using system::lastError;

int makeFolder(const std::string& path, unsigned)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    return CreateDirectoryW(wide.c_str(), nullptr) ? 0 : lastError(EACCES);
}

int removeFolder(const std::string& path)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    return RemoveDirectoryW(wide.c_str()) ? 0 : lastError(EACCES);
}

int removeFile(const std::string& path)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    if (DeleteFileW(wide.c_str()))
        return 0;
    // a symbolic link to a folder is a folder's name on Windows
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        && (attributes & FILE_ATTRIBUTE_DIRECTORY) && RemoveDirectoryW(wide.c_str()))
        return 0;
    return lastError(EACCES);
}

// Windows moves a folder as it moves a file, and never over a name that is there.
int renameFolder(const std::string& from, const std::string& to)
{
    return renameNew(from, to);
}

int hardLink(const std::string& existing, const std::string& link)
{
    std::wstring wideExisting, wideLink;
    if (!widePath(existing, wideExisting) || !widePath(link, wideLink))
        return EINVAL;
    return CreateHardLinkW(wideLink.c_str(), wideExisting.c_str(), nullptr) ? 0 : lastError(EACCES);
}

int renameNew(const std::string& from, const std::string& to)
{
    std::wstring wideFrom, wideTo;
    if (!widePath(from, wideFrom) || !widePath(to, wideTo))
        return EINVAL;
    // without MOVEFILE_REPLACE_EXISTING a name already there is refused
    return MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_WRITE_THROUGH)
        ? 0
        : lastError(EACCES);
}

int realPath(const std::string& path, std::string& real)
{
    std::wstring wide;
    if (!widePath(path, wide))
        return EINVAL;
    const HANDLE handle =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError(ENOENT);
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD length = GetFinalPathNameByHandleW(
        handle, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()),
                                           FILE_NAME_NORMALIZED);
    }
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (length == 0 || length >= buffer.size())
        return errnoFromWindows(error, EIO);
    std::wstring found(buffer.data(), length);
    // "\\?\C:\..." and "\\?\UNC\serveur\..." as the ordinary calls write them
    if (found.rfind(L"\\\\?\\UNC\\", 0) == 0)
        found = L"\\\\" + found.substr(8);
    else if (found.rfind(L"\\\\?\\", 0) == 0)
        found = found.substr(4);
    real = toUtf8(std::filesystem::path(found));
    for (char& c : real)
        if (c == '\\')
            c = '/';
    return 0;
}

int syncFolder(const std::string& path)
{
    FileFacts facts;
    return factsOf(path, facts);  // names reach the disk with the call that changes them
}

int mayWrite(const std::string& path)
{
    FileFacts facts;
    if (const int error = factsOf(path, facts))
        return error;
    // a folder's read-only mark only tells Explorer to look for a desktop.ini in it
    if (facts.kind != FileFacts::Kind::folder && (facts.mode & 0222) == 0)
        return EACCES;
    return 0;
}

}  // namespace files
