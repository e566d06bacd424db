#include <testsupport/SmallDisk.h>

#include <files/Utf8Path.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <sys/mount.h>
#endif

namespace testsupport {

namespace fs = std::filesystem;

#ifdef _WIN32
namespace {

// The disk the test run mounted for this suite, when it could: it holds a mark to tell it from
// a plain folder (the run's mount needs root).
fs::path runDisk(std::string& why)
{
    const wchar_t* named = _wgetenv(L"VORLANE_SMALL_DISK");
    if (!named || !*named) {
        why = "no small disk was prepared for this run (VORLANE_SMALL_DISK is not set)";
        return {};
    }
    const fs::path disk(named);
    std::error_code error;
    if (!fs::exists(disk / "small-disk", error)) {
        why = "the run could not mount its small disk (it needs root)";
        return {};
    }
    return disk;
}

}  // namespace

SmallDisk::SmallDisk(const fs::path&, std::uint64_t)
{
    const fs::path disk = runDisk(why_);
    if (disk.empty())
        return;
    std::random_device seed;
    const fs::path mine = disk / ("test-" + std::to_string(seed()));
    std::error_code error;
    if (fs::create_directory(mine, error))
        path_ = mine;
    else
        why_ = "no folder can be made on the small disk: " + error.message();
}

SmallDisk::~SmallDisk()
{
    std::error_code ignored;
    if (!path_.empty())
        fs::remove_all(path_, ignored);
}

bool SmallDisk::makeReadOnly()
{
    return false;
}
#else
SmallDisk::SmallDisk(const fs::path& near, std::uint64_t size)
{
    std::error_code error;
    fs::create_directories(near, error);
    const std::string options = "size=" + std::to_string(size);
    if (::mount("vorlane-test", near.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        why_ = "no tmpfs can be mounted here (it needs root)";
        return;
    }
    mounted_ = true;
    path_ = near;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        ::umount2(path_.c_str(), MNT_DETACH);
}

bool SmallDisk::makeReadOnly()
{
    return mounted_
        && ::mount("vorlane-test", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
#endif

std::string SmallDisk::path() const
{
    return files::toUtf8(path_);
}

std::string SmallDisk::file(const std::string& relative) const
{
    return files::toUtf8(path_ / files::fromUtf8(relative));
}

std::int64_t SmallDisk::freeBytes() const
{
    std::error_code error;
    const fs::space_info space = fs::space(path_, error);
    return error ? -1 : static_cast<std::int64_t>(space.available);
}

// Blocks of a page, then single bytes for the last of the room, as the disk takes them.
bool SmallDisk::fill(std::uint64_t room) const
{
    if (freeBytes() < 0)
        return false;
    std::ofstream filler(path_ / "filler", std::ios::binary | std::ios::app);
    const std::string block(4096, 'F');
    for (std::int64_t free = freeBytes(); free > static_cast<std::int64_t>(room);
         free = freeBytes()) {
        const auto over = static_cast<std::uint64_t>(free) - room;
        const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(over, 4096));
        if (!filler.write(block.data(), static_cast<std::streamsize>(size)) || !filler.flush())
            return room == 0;  // full: what was asked
    }
    return static_cast<bool>(filler);
}

}  // namespace testsupport
