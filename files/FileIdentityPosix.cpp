#include <files/FileIdentity.h>

#include <cerrno>

#include <sys/stat.h>

namespace files {

int identityOf(const std::string& path, FileIdentity& identity)
{
    struct stat status {};
    errno = 0;
    if (::stat(path.c_str(), &status) != 0)
        return errno ? errno : ENOENT;
    identity.volume = static_cast<std::uint64_t>(status.st_dev);
    identity.index = static_cast<std::uint64_t>(status.st_ino);
    return 0;
}

}  // namespace files
