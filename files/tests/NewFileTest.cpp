#include <files/FileFacts.h>
#include <files/NewFile.h>
#include <files/Utf8Path.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

// Written, synced and closed: the bytes as they were given, CR LF included.
TEST(NewFile, HoldsEveryByteOnceClosed)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    files::NewFile file;
    ASSERT_EQ(file.create(folder.file("été.txt.part")), 0);
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(file.write("ABC;CAB\r\n", 9), 0);
    EXPECT_EQ(file.write("", 0), 0);
    EXPECT_EQ(file.sync(), 0);
    EXPECT_EQ(file.close(), 0);
    EXPECT_FALSE(file.isOpen());
    const std::map<std::string, std::string> expected = {{"été.txt.part", "ABC;CAB\r\n"}};
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path())), expected);
    EXPECT_EQ(file.write("A", 1), EBADF);
    EXPECT_EQ(file.sync(), EBADF);
}

struct Taken {
    const char* name;
    const char* path;
    int error;
};

class TakenName : public ::testing::TestWithParam<Taken> {};

// Nothing is written through a name already there, whatever it is.
TEST_P(TakenName, IsRefused)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"ANCIEN"});
    fs::create_directories(folder.path() / "dossier");
    const auto before = testsupport::FolderSnapshot::of(files::toUtf8(folder.path()));
    files::NewFile file;
    EXPECT_EQ(file.create(folder.file(GetParam().path)), GetParam().error);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path())), before);
}

INSTANTIATE_TEST_SUITE_P(Names, TakenName,
                         ::testing::Values(Taken{"file", "liste.txt", EEXIST},
                                           Taken{"folder", "dossier", EEXIST},
                                           Taken{"missingFolder", "absent/liste.txt", ENOENT}),
                         [](const ::testing::TestParamInfo<Taken>& info) {
                             return std::string(info.param.name);
                         });

TEST(NewFile, NeverWritesThroughALink)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string victim = folder.write("victime.txt", {"VICTIME"});
    std::error_code refused;
    fs::create_symlink(files::fromUtf8(victim), folder.path() / "liste.txt.part", refused);
    if (refused)
        GTEST_SKIP() << "no symbolic link here (it needs a privilege on Windows): "
                     << refused.message();
    files::NewFile file;
    EXPECT_EQ(file.create(folder.file("liste.txt.part")), EEXIST);
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path()))["victime.txt"],
              "VICTIME\r\n");
}

struct Bits {
    unsigned mode;
    bool writable;
};

class ModeOfAReplacement : public ::testing::TestWithParam<Bits> {};

// The write bits of the file it replaces; Windows keeps only whether it may be written.
TEST_P(ModeOfAReplacement, IsKept)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    files::NewFile file;
    ASSERT_EQ(file.create(folder.file("liste.txt")), 0);
    EXPECT_EQ(file.setMode(GetParam().mode), 0);
    EXPECT_EQ(file.close(), 0);
    files::FileFacts facts;
    ASSERT_EQ(files::factsOf(folder.file("liste.txt"), facts), 0);
    EXPECT_EQ((facts.mode & 0222) != 0, GetParam().writable);
    fs::permissions(folder.path() / "liste.txt", fs::perms::owner_write, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeOfAReplacement,
                         ::testing::Values(Bits{0644, true}, Bits{0600, true}, Bits{0444, false}));

}  // namespace
