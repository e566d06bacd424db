#include <workshop/window/InPlaceFile.h>

#include <testsupport/TempFolder.h>

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using workshop::FrameHooks;
using workshop::InPlaceFile;

namespace {

// A file's bytes, or "<missing>".
std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

ino_t inodeOf(const std::filesystem::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

class InPlaceFileTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (mounted_)
            ::umount2(disk().c_str(), MNT_DETACH);
    }

    std::filesystem::path path(const std::string& name) const { return folder.path() / name; }
    std::filesystem::path disk() const { return path("disk"); }

    // A result staged in a file of its own, as the frame stages it; the descriptor stays open.
    int stage(const std::string& bytes)
    {
        writeBytes(path("staged"), bytes);
        staged_ = ::open(path("staged").c_str(), O_RDONLY | O_CLOEXEC);
        return staged_;
    }

    // A small in-memory disk with `room` bytes left free once `name` holds `bytes`; false when
    // it cannot be mounted (a normal user may not).
    bool nearlyFullDisk(const std::string& name, const std::string& bytes, long room)
    {
        std::filesystem::create_directory(disk());
        if (::mount("tmpfs", disk().c_str(), "tmpfs", 0, "size=512k") != 0)
            return false;
        mounted_ = true;
        writeBytes(disk() / name, bytes);
        writeBytes(disk() / "filler",
                   std::string(static_cast<std::size_t>(freeBytes() - room), 'F'));
        return true;
    }

    long freeBytes() const
    {
        struct statvfs status {};
        return ::statvfs(disk().c_str(), &status) == 0
            ? static_cast<long>(status.f_bavail * status.f_frsize)
            : -1;
    }

    ~InPlaceFileTest() override
    {
        if (staged_ >= 0)
            ::close(staged_);
    }

    testsupport::TempFolder folder;
    int staged_ = -1;
    bool mounted_ = false;
};

// Longer, shorter, equal and empty results, through the room reserved by the file system or,
// without fallocate, by writing the result's tail first: the file ends as the result, under
// every name it has, and stays the same file.
class Overwrite : public InPlaceFileTest,
                  public ::testing::WithParamInterface<std::tuple<std::string, std::string, bool>> {
};

TEST_P(Overwrite, TheFileEndsAsTheResultUnderEveryName)
{
    const auto& [before, result, withoutFallocate] = GetParam();
    writeBytes(path("list.txt"), before);
    ASSERT_EQ(::link(path("list.txt").c_str(), path("other.txt").c_str()), 0);
    const ino_t inode = inodeOf(path("list.txt"));
    FrameHooks hooks;
    if (withoutFallocate)
        hooks.reserve = [](int, off_t) { return EOPNOTSUPP; };
    InPlaceFile file(QFile::decodeName(path("list.txt").c_str()), hooks);
    ASSERT_EQ(file.error(), 0);
    const int staged = stage(result);
    ASSERT_EQ(file.reserve(staged, static_cast<off_t>(result.size())), 0);
    ASSERT_EQ(file.overwriteWith(staged, static_cast<off_t>(result.size())), 0);
    EXPECT_EQ(bytesOf(path("list.txt")), result);
    EXPECT_EQ(bytesOf(path("other.txt")), result);
    EXPECT_EQ(inodeOf(path("list.txt")), inode);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Overwrite,
    ::testing::Combine(::testing::Values(std::string("OLD\r\nOLDER\r\n"), std::string()),
                       ::testing::Values(std::string(200000, 'N'), std::string("NEW\r\n"),
                                         std::string("NEWER\r\nNEW\r\n"), std::string()),
                       ::testing::Bool()));

// A disk with less room than the result needs: the reservation fails and the file keeps its
// bytes, and the disk its free room, with fallocate or without it.
TEST_F(InPlaceFileTest, NoRoomLeavesTheFileAndTheDiskAsTheyWere)
{
    const std::string list(40000, 'L');
    if (!nearlyFullDisk("list.txt", list, 16384))
        GTEST_SKIP() << "A small disk can be mounted only as root: this test needs root.";
    const long room = freeBytes();
    const int staged = stage(std::string(120000, 'R'));
    for (const bool withoutFallocate : {false, true}) {
        FrameHooks hooks;
        if (withoutFallocate)
            hooks.reserve = [](int, off_t) { return EOPNOTSUPP; };
        InPlaceFile file(QFile::decodeName((disk() / "list.txt").c_str()), hooks);
        ASSERT_EQ(file.error(), 0);
        EXPECT_EQ(file.reserve(staged, 120000), ENOSPC) << withoutFallocate;
        EXPECT_EQ(bytesOf(disk() / "list.txt"), list) << withoutFallocate;
        EXPECT_EQ(freeBytes(), room) << withoutFallocate;
    }
}

// What another program may do to the path while an operation runs.
class Swap : public InPlaceFileTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(Swap, OnlyTheSameFileAtThePathCounts)
{
    const auto& [swap, same] = GetParam();
    writeBytes(path("list.txt"), "OLD\r\n");
    writeBytes(path("mine.txt"), "MINE\r\n");
    ASSERT_EQ(::symlink(path("list.txt").c_str(), path("link.txt").c_str()), 0);
    const std::string typed = swap == 4 ? "link.txt" : "list.txt";
    InPlaceFile file(QFile::decodeName(path(typed).c_str()), {});
    ASSERT_EQ(file.error(), 0);
    if (swap >= 1 && swap <= 3)
        std::filesystem::rename(path("list.txt"), path("old.txt"));
    if (swap == 1)
        writeBytes(path("list.txt"), "OLD\r\n");
    if (swap == 2) {
        ASSERT_EQ(::symlink(path("mine.txt").c_str(), path("list.txt").c_str()), 0);
    }
    if (swap == 3) {
        ASSERT_EQ(::link(path("mine.txt").c_str(), path("list.txt").c_str()), 0);
    }
    EXPECT_EQ(file.stillAtItsPath(), same);
}

// 0: nothing changed; 1: a new file of the same bytes; 2: a symbolic link to another file;
// 3: a hard link to another file; 4: typed through a symbolic link that still leads there.
INSTANTIATE_TEST_SUITE_P(Paths, Swap,
                         ::testing::Values(std::make_tuple(0, true), std::make_tuple(1, false),
                                           std::make_tuple(2, false), std::make_tuple(3, false),
                                           std::make_tuple(4, true)));

}  // namespace
