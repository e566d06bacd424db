#include <files/FileIdentity.h>
#include <files/Utf8Path.h>
#include <workshop/window/InPlaceFile.h>

#include <testsupport/SmallDisk.h>
#include <testsupport/TempFolder.h>

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

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

files::FileIdentity identityOf(const std::filesystem::path& path)
{
    files::FileIdentity identity;
    files::identityOf(files::toUtf8(path), identity);
    return identity;
}

QString qtPath(const std::filesystem::path& path)
{
    return QString::fromStdString(files::toUtf8(path));
}

class InPlaceFileTest : public ::testing::Test {
protected:
    std::filesystem::path path(const std::string& name) const
    {
        return folder.path() / files::fromUtf8(name);
    }
    std::filesystem::path disk() const
    {
        return files::fromUtf8(disk_ ? disk_->path() : std::string());
    }

    // A result staged in a file of its own, as the frame stages it; the descriptor stays open.
    int stage(const std::string& bytes)
    {
        writeBytes(path("staged"), bytes);
#ifdef _WIN32
        staged_ = ::_wopen(path("staged").c_str(), _O_RDONLY | _O_BINARY);
#else
        staged_ = ::open(path("staged").c_str(), O_RDONLY | O_CLOEXEC);
#endif
        return staged_;
    }

    // A small disk with `room` bytes left free once `name` holds `bytes`; false when none can
    // be had (a normal user may not mount one).
    bool nearlyFullDisk(const std::string& name, const std::string& bytes, std::uint64_t room)
    {
        disk_ = std::make_unique<testsupport::SmallDisk>(path("disk"), 512 * 1024);
        if (!disk_->ready())
            return false;
        writeBytes(disk() / files::fromUtf8(name), bytes);
        return disk_->fill(room);
    }

    long freeBytes() const
    {
        return static_cast<long>(disk_->freeBytes());
    }

    ~InPlaceFileTest() override
    {
#ifdef _WIN32
        if (staged_ >= 0)
            ::_close(staged_);
#else
        if (staged_ >= 0)
            ::close(staged_);
#endif
    }

    testsupport::TempFolder folder;
    std::unique_ptr<testsupport::SmallDisk> disk_;
    int staged_ = -1;
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
    std::filesystem::create_hard_link(path("list.txt"), path("other.txt"));
    const auto identity = identityOf(path("list.txt"));
    FrameHooks hooks;
    if (withoutFallocate)
        hooks.reserve = [](int, off_t) { return EOPNOTSUPP; };
    InPlaceFile file(qtPath(path("list.txt")), hooks);
    ASSERT_EQ(file.error(), 0);
    const int staged = stage(result);
    ASSERT_EQ(file.reserve(staged, static_cast<off_t>(result.size())), 0);
    ASSERT_EQ(file.overwriteWith(staged, static_cast<off_t>(result.size())), 0);
    EXPECT_EQ(bytesOf(path("list.txt")), result);
    EXPECT_EQ(bytesOf(path("other.txt")), result);
    EXPECT_EQ(identityOf(path("list.txt")), identity);
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
        GTEST_SKIP() << "no small disk: " << disk_->why();
    const long room = freeBytes();
    const int staged = stage(std::string(120000, 'R'));
    for (const bool withoutFallocate : {false, true}) {
        FrameHooks hooks;
        if (withoutFallocate)
            hooks.reserve = [](int, off_t) { return EOPNOTSUPP; };
        InPlaceFile file(qtPath(disk() / "list.txt"), hooks);
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
    std::error_code linked;
    std::filesystem::create_symlink(path("list.txt"), path("link.txt"), linked);
    if (linked && (swap == 2 || swap == 4))
        GTEST_SKIP() << "no symbolic link here (it needs a privilege on Windows): "
                     << linked.message();
    const std::string typed = swap == 4 ? "link.txt" : "list.txt";
    InPlaceFile file(qtPath(path(typed)), {});
    ASSERT_EQ(file.error(), 0);
    if (swap >= 1 && swap <= 3) {
        std::error_code refused;
        std::filesystem::rename(path("list.txt"), path("old.txt"), refused);
#ifdef _WIN32
        // Windows renames no file open for writing: the path keeps the file checked
        EXPECT_TRUE(refused);
        EXPECT_TRUE(file.stillAtItsPath());
        return;
#else
        ASSERT_FALSE(refused) << refused.message();
#endif
    }
    if (swap == 1)
        writeBytes(path("list.txt"), "OLD\r\n");
    if (swap == 2)
        std::filesystem::create_symlink(path("mine.txt"), path("list.txt"));
    if (swap == 3)
        std::filesystem::create_hard_link(path("mine.txt"), path("list.txt"));
    EXPECT_EQ(file.stillAtItsPath(), same);
}

// 0: nothing changed; 1: a new file of the same bytes; 2: a symbolic link to another file;
// 3: a hard link to another file; 4: typed through a symbolic link that still leads there.
INSTANTIATE_TEST_SUITE_P(Paths, Swap,
                         ::testing::Values(std::make_tuple(0, true), std::make_tuple(1, false),
                                           std::make_tuple(2, false), std::make_tuple(3, false),
                                           std::make_tuple(4, true)));

}  // namespace
