#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>

namespace {

struct Replacement {
    const char* from;
    const char* to;
    bool toExists;  // a file is at `to` before
};

// The new file takes the name, whatever was there; its old name is gone.
TEST(Replace, PutsTheNewFileInPlaceOfTheOld)
{
    const Replacement cases[] = {{"neuf.txt", "liste.txt", false},
                                 {"neuf.txt", "liste.txt", true},
                                 {"brouillon été.txt", "liste à jour.txt", true}};
    for (const Replacement& replacement : cases) {
        testsupport::TempFolder folder;
        ASSERT_TRUE(folder.ok());
        folder.write(replacement.from, {"NOUVEAU"});
        if (replacement.toExists)
            folder.write(replacement.to, {"ANCIEN", "LONG"});
        EXPECT_EQ(files::replaceFile(folder.file(replacement.from), folder.file(replacement.to)), 0)
            << replacement.to;
        const std::map<std::string, std::string> expected = {{replacement.to, "NOUVEAU\r\n"}};
        EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path())), expected)
            << replacement.to;
    }
}

TEST(Replace, LeavesEverythingAsItWasWhenTheNewFileIsMissing)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"ANCIEN"});
    EXPECT_EQ(files::replaceFile(folder.file("absent.txt"), folder.file("liste.txt")), ENOENT);
    const std::map<std::string, std::string> expected = {{"liste.txt", "ANCIEN\r\n"}};
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path())), expected);
}

}  // namespace
