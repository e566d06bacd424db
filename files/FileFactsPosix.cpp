#include <files/FileFacts.h>
#include <files/SystemCalls.h>

#include <cerrno>

#include <sys/stat.h>

namespace files {

namespace {

FileFacts factsFrom(const struct stat& info)
{
    FileFacts facts;
    facts.kind = S_ISREG(info.st_mode) ? FileFacts::Kind::regular
        : S_ISDIR(info.st_mode)        ? FileFacts::Kind::folder
        : S_ISLNK(info.st_mode)        ? FileFacts::Kind::link
                                       : FileFacts::Kind::other;
    facts.identity.volume = static_cast<std::uint64_t>(info.st_dev);
    facts.identity.index = static_cast<std::uint64_t>(info.st_ino);
    facts.size = static_cast<std::uint64_t>(info.st_size);
    facts.room = static_cast<std::uint64_t>(info.st_blocks) * 512;
    facts.mode = static_cast<unsigned>(info.st_mode & 07777);
    facts.links = static_cast<std::uint64_t>(info.st_nlink);
    facts.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    facts.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return facts;
}

}  // namespace

int factsOf(const std::string& path, FileFacts& facts, bool followLinks)
{
    struct stat info {};
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0)
        return system::lastError(ENOENT);
    facts = factsFrom(info);
    return 0;
}

int system::factsOf(NativeHandle handle, FileFacts& facts)
{
    struct stat info {};
    if (::fstat(handle, &info) != 0)
        return lastError(EIO);
    facts = factsFrom(info);
    return 0;
}

}  // namespace files
