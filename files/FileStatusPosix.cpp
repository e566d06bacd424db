#include <files/FileStatus.h>

#include <cerrno>

#include <sys/stat.h>

namespace files {

int statusOf(const std::string& path, FileStatus& status, bool followLinks)
{
    struct stat info {};
    errno = 0;
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0)
        return errno ? errno : ENOENT;
    status.kind = S_ISREG(info.st_mode) ? FileStatus::Kind::regular
        : S_ISDIR(info.st_mode)         ? FileStatus::Kind::folder
        : S_ISLNK(info.st_mode)         ? FileStatus::Kind::link
                                        : FileStatus::Kind::other;
    status.identity.volume = static_cast<std::uint64_t>(info.st_dev);
    status.identity.index = static_cast<std::uint64_t>(info.st_ino);
    status.size = static_cast<std::uint64_t>(info.st_size);
    status.mode = static_cast<unsigned>(info.st_mode & 07777);
    status.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    status.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return 0;
}

}  // namespace files
