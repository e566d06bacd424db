#include <files/FileFacts.h>
#include <files/LockFile.h>
#include <files/Utf8Path.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Held {
    const char* name;
    bool folder;
};

class TwoHolders : public ::testing::TestWithParam<Held> {};

int open(files::LockFile& lock, const testsupport::TempFolder& place, const Held& held)
{
    return held.folder ? lock.openFolder(place.file("Hélène"), false)
                       : lock.openFile(place.file("Hélène.verrou"));
}

// Two holders of one lock, as two processes would be: the second is refused until the first
// lets go; it reads what the first wrote in a lock file.
TEST_P(TwoHolders, TheSecondWaitsForTheFirst)
{
    testsupport::TempFolder place;
    ASSERT_TRUE(place.ok());
    fs::create_directories(place.path() / files::fromUtf8("Hélène"));
    files::LockFile first, second;
    ASSERT_EQ(open(first, place, GetParam()), 0);
    ASSERT_EQ(open(second, place, GetParam()), 0);
    ASSERT_EQ(first.tryLock(), 0);
    first.setText("fabrication de listes\n");
    EXPECT_EQ(second.tryLock(), EWOULDBLOCK);
    EXPECT_EQ(second.text(255), GetParam().folder ? "" : "fabrication de listes\n");
    first.close();
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(second.tryLock(), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TwoHolders,
                         ::testing::Values(Held{"file", false}, Held{"folder", true}),
                         [](const ::testing::TestParamInfo<Held>& info) {
                             return std::string(info.param.name);
                         });

// The shorter text of a later holder leaves nothing of the former one.
TEST(LockFile, TextIsReplacedWhole)
{
    testsupport::TempFolder place;
    ASSERT_TRUE(place.ok());
    files::LockFile lock;
    ASSERT_EQ(lock.openFile(place.file("verrou")), 0);
    ASSERT_EQ(lock.tryLock(), 0);
    lock.setText("réparation par vorlane, processus 12345\n");
    lock.setText("import\n");
    EXPECT_EQ(lock.text(255), "import\n");
    EXPECT_EQ(lock.text(3), "imp");
}

struct Refusal {
    const char* name;
    bool folder;
    const char* path;
    int error;
};

class Unlockable : public ::testing::TestWithParam<Refusal> {};

TEST_P(Unlockable, IsRefusedWithItsReason)
{
    testsupport::TempFolder place;
    ASSERT_TRUE(place.ok());
    place.write("liste.txt", {"A"});
    files::LockFile lock;
    const std::string path = place.file(GetParam().path);
    EXPECT_EQ(GetParam().folder ? lock.openFolder(path, true) : lock.openFile(path),
              GetParam().error);
    EXPECT_FALSE(lock.isOpen());
    EXPECT_EQ(lock.tryLock(), EBADF);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Unlockable,
    ::testing::Values(Refusal{"fileInAMissingFolder", false, "absent/verrou", ENOENT},
                      Refusal{"missingFolder", true, "absent", ENOENT},
                      Refusal{"fileAsAFolder", true, "liste.txt", ENOTDIR}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

// Never through a symbolic link: the lock file would be another file.
TEST(LockFile, RefusesALink)
{
    testsupport::TempFolder place;
    ASSERT_TRUE(place.ok());
    const std::string target = place.write("liste.txt", {"A"});
    std::error_code refused;
    fs::create_symlink(files::fromUtf8(target), place.path() / "verrou", refused);
    if (refused)
        GTEST_SKIP() << "no symbolic link here (it needs a privilege on Windows): "
                     << refused.message();
    files::LockFile lock;
    EXPECT_EQ(lock.openFile(place.file("verrou")), ELOOP);
}

}  // namespace
