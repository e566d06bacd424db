#include <files/FileIdentity.h>
#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace {

files::FileIdentity identity(const std::string& path)
{
    files::FileIdentity found;
    EXPECT_EQ(files::identityOf(path, found), 0) << path;
    return found;
}

struct Pair {
    const char* first;
    const char* second;
    bool same;
};

// Two names of one file have one identity; two files never share one, even when their
// contents are equal (the fault of a system that gives every file the inode 0).
TEST(FileIdentity, TellsOneFileFromAnother)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"A"});
    folder.write("copie.txt", {"A"});
    folder.write("Hélène/été.txt", {"A"});
    std::filesystem::create_hard_link(folder.path() / "liste.txt", folder.path() / "lien.txt");
    const Pair cases[] = {
        {"liste.txt", "liste.txt", true},       {"liste.txt", "Hélène/../liste.txt", true},
        {"liste.txt", "lien.txt", true},        {"liste.txt", "copie.txt", false},
        {"liste.txt", "Hélène/été.txt", false}, {"copie.txt", "Hélène/été.txt", false},
    };
    for (const Pair& pair : cases) {
        const bool same = identity(folder.file(pair.first)) == identity(folder.file(pair.second));
        EXPECT_EQ(same, pair.same) << pair.first << " / " << pair.second;
    }
}

TEST(FileIdentity, ChangesWhenAnotherFileTakesTheName)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string list = folder.write("liste.txt", {"A"});
    const std::string draft = folder.write("brouillon.txt", {"B"});
    const files::FileIdentity before = identity(list);
    const files::FileIdentity draftBefore = identity(draft);
    ASSERT_EQ(files::replaceFile(draft, list), 0);
    EXPECT_NE(identity(list), before);
    EXPECT_EQ(identity(list), draftBefore);
}

TEST(FileIdentity, NamesTheReasonForAMissingFile)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    files::FileIdentity found;
    EXPECT_EQ(files::identityOf(folder.file("absent.txt"), found), ENOENT);
    EXPECT_EQ(files::identityOf(folder.file("absent/liste.txt"), found), ENOENT);
}

}  // namespace
