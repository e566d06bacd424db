#include <files/FileKind.h>
#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

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

#ifdef _WIN32
struct Holding {
    const char* name;
    DWORD sharing;  // what the other program lets others do with the file it holds
};

// A list that another program holds open without sharing its replacement is said to be used
// by that program, not refused to the player, and stays as it was.
TEST(Replace, SaysAFileHeldByAnotherProgram)
{
    const Holding cases[] = {{"liste à jour.txt", FILE_SHARE_READ | FILE_SHARE_WRITE},
                             {"liste.txt", 0}};
    for (const Holding& holding : cases) {
        testsupport::TempFolder folder;
        ASSERT_TRUE(folder.ok());
        folder.write("neuf.txt", {"NOUVEAU"});
        folder.write(holding.name, {"ANCIEN"});
        const HANDLE held =
            CreateFileW((folder.path() / files::fromUtf8(holding.name)).c_str(), GENERIC_READ,
                        holding.sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << holding.name;
        EXPECT_EQ(files::replaceFile(folder.file("neuf.txt"), folder.file(holding.name)),
                  files::usedByAnotherProgram)
            << holding.name;
        CloseHandle(held);
        EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path()))[holding.name],
                  "ANCIEN\r\n")
            << holding.name;
    }
}
#endif

}  // namespace
