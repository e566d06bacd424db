#include <files/AsideFile.h>
#include <files/FileFacts.h>
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

using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const testsupport::TempFolder& folder)
{
    return testsupport::FolderSnapshot::of(files::toUtf8(folder.path()));
}

struct Ending {
    const char* name;
    const char* suffix;
    bool commit;
};

class AsideEnding : public ::testing::TestWithParam<Ending> {};

// Until it is committed the target keeps its old content and the new one waits beside it;
// then the target holds the new content alone, or, discarded, the old one.
TEST_P(AsideEnding, LeavesTheTargetWholeAndNothingBeside)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("Hélène.txt", {"ANCIEN"});
    folder.write("Hélène.txt.part", {"RESTE"});  // a leftover of a run cut short
    const bool ownSuffix = *GetParam().suffix != 0;
    files::AsideFile aside;
    ASSERT_EQ(aside.open(folder.file("Hélène.txt"), GetParam().suffix), 0);
    ASSERT_EQ(aside.write("NOUVEAU\r\n", 9), 0);
    EXPECT_EQ(snapshot(folder)["Hélène.txt"], "ANCIEN\r\n");
    EXPECT_EQ(snapshot(folder)[files::toUtf8(files::fromUtf8(aside.path()).filename())],
              "NOUVEAU\r\n");
    // the leftover under its own name is replaced; under another, it is not this one's
    EXPECT_EQ(snapshot(folder).size(), ownSuffix ? 2u : 3u);
    if (GetParam().commit) {
        EXPECT_EQ(aside.commit(), 0);
    } else {
        aside.discard();
    }
    const Snapshot left = snapshot(folder);
    EXPECT_EQ(left.at("Hélène.txt"), GetParam().commit ? "NOUVEAU\r\n" : "ANCIEN\r\n");
    EXPECT_EQ(left.size(), ownSuffix ? 1u : 2u);
    EXPECT_TRUE(aside.path().empty());
}

INSTANTIATE_TEST_SUITE_P(Endings, AsideEnding,
                         ::testing::Values(Ending{"committedPart", ".part", true},
                                           Ending{"discardedPart", ".part", false},
                                           Ending{"committedOwnName", "", true},
                                           Ending{"discardedOwnName", "", false}),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                             return std::string(info.param.name);
                         });

// A content that cannot take the place of its target is removed, and the target stays.
TEST(AsideFile, ThatCannotBePutInPlaceLeavesNothing)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("dossier/liste.txt", {"A"});
    const Snapshot before = snapshot(folder);
    files::AsideFile aside;
    ASSERT_EQ(aside.open(folder.file("dossier"), ".part"), 0);
    ASSERT_EQ(aside.write("B", 1), 0);
    EXPECT_NE(aside.commit(), 0);
    EXPECT_EQ(snapshot(folder), before);
    EXPECT_TRUE(aside.path().empty());
    EXPECT_EQ(aside.commit(), EBADF);
}

TEST(AsideFile, InAMissingFolderIsNotMade)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    files::AsideFile aside;
    EXPECT_EQ(aside.open(folder.file("absent/liste.txt")), ENOENT);
    EXPECT_FALSE(aside.isOpen());
    EXPECT_TRUE(snapshot(folder).empty());
}

// The permission bits of the file it replaces, after the switch.
TEST(AsideFile, TakesTheModeItIsGiven)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    files::AsideFile aside;
    ASSERT_EQ(aside.open(folder.file("liste.txt"), ".part", 0600), 0);
    ASSERT_EQ(aside.setMode(0444), 0);
    ASSERT_EQ(aside.commit(), 0);
    files::FileFacts facts;
    ASSERT_EQ(files::factsOf(folder.file("liste.txt"), facts), 0);
    EXPECT_EQ(facts.mode & 0222, 0u);
    fs::permissions(folder.path() / "liste.txt", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
