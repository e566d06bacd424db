#include <files/FileFacts.h>

#include <cerrno>

#include <sys/stat.h>

namespace files {

int factsOf(const std::string& path, FileFacts& facts, bool followLinks)
{
    struct stat info {};
    errno = 0;
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0)
        return errno ? errno : ENOENT;
    facts.kind = S_ISREG(info.st_mode) ? FileFacts::Kind::regular
        : S_ISDIR(info.st_mode)        ? FileFacts::Kind::folder
        : S_ISLNK(info.st_mode)        ? FileFacts::Kind::link
                                       : FileFacts::Kind::other;
    facts.identity.volume = static_cast<std::uint64_t>(info.st_dev);
    facts.identity.index = static_cast<std::uint64_t>(info.st_ino);
    facts.size = static_cast<std::uint64_t>(info.st_size);
    facts.mode = static_cast<unsigned>(info.st_mode & 07777);
    facts.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    facts.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return 0;
}

}  // namespace files
