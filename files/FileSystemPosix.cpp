#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/SystemCalls.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

using system::lastError;

int makeFolder(const std::string& path, unsigned mode)
{
    errno = 0;
    return ::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0 ? 0 : lastError(EACCES);
}

int removeFolder(const std::string& path)
{
    errno = 0;
    return ::rmdir(path.c_str()) == 0 ? 0 : lastError(EACCES);
}

int removeFile(const std::string& path)
{
    errno = 0;
    return ::unlink(path.c_str()) == 0 ? 0 : lastError(EACCES);
}

int renameFolder(const std::string& from, const std::string& to)
{
    errno = 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError(EACCES);
}

int hardLink(const std::string& existing, const std::string& link)
{
    errno = 0;
    return ::link(existing.c_str(), link.c_str()) == 0 ? 0 : lastError(EACCES);
}

int renameNew(const std::string& from, const std::string& to)
{
    errno = 0;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return lastError(EACCES);
    // a file system that cannot refuse by itself: looked at first
    FileFacts facts;
    if (factsOf(to, facts, false) != ENOENT)
        return EEXIST;
    errno = 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError(EACCES);
}

int realPath(const std::string& path, std::string& real)
{
    char buffer[PATH_MAX];
    errno = 0;
    if (!::realpath(path.c_str(), buffer))
        return lastError(ENOENT);
    real = buffer;
    return 0;
}

int syncFolder(const std::string& path)
{
    NativeHandle handle = noHandle;
    if (const int error = system::openFolder(path, true, handle))
        return error;
    OpenHandle folder;
    folder.hold(handle);
    return system::sync(handle);
}

int mayWrite(const std::string& path)
{
    FileFacts facts;
    if (const int error = factsOf(path, facts))
        return error;
    const int wanted = facts.kind == FileFacts::Kind::folder ? W_OK | X_OK : W_OK;
    errno = 0;
    // the effective ids, those the system checks when the file is opened
    return ::faccessat(AT_FDCWD, path.c_str(), wanted, AT_EACCESS) == 0 ? 0 : lastError(EACCES);
}

}  // namespace files
