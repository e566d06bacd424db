#include <files/FileFacts.h>
#include <files/FileIdentity.h>
#include <files/FileSystem.h>
#include <files/Process.h>
#include <files/Utf8Path.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Change {
    const char* name;
    std::function<int(const testsupport::TempFolder&)> call;
    int error;
    const char* made;  // a folder there afterwards, or ""
    const char* gone;  // a name no longer there afterwards, or ""
};

class FolderNames : public ::testing::TestWithParam<Change> {};

// Each change of a folder's names, and the errno number of each refusal.
TEST_P(FolderNames, ChangeOrSayWhyNot)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"A"});
    folder.write("plein/liste.txt", {"A"});
    fs::create_directories(folder.path() / files::fromUtf8("vide"));
    EXPECT_EQ(GetParam().call(folder), GetParam().error);
    if (*GetParam().made) {
        files::FileFacts facts;
        EXPECT_EQ(files::factsOf(folder.file(GetParam().made), facts), 0);
        EXPECT_EQ(facts.kind, files::FileFacts::Kind::folder);
    }
    if (*GetParam().gone) {
        EXPECT_FALSE(fs::exists(files::fromUtf8(folder.file(GetParam().gone))));
    }
}

using T = const testsupport::TempFolder&;

INSTANTIATE_TEST_SUITE_P(
    Calls, FolderNames,
    ::testing::Values(
        Change{"makeFolder", [](T f) { return files::makeFolder(f.file("Hélène")); }, 0, "Hélène",
               ""},
        Change{"makeFolderTaken", [](T f) { return files::makeFolder(f.file("vide")); }, EEXIST,
               "vide", ""},
        Change{"makeFolderWithoutParent",
               [](T f) { return files::makeFolder(f.file("absent/dossier")); }, ENOENT, "", ""},
        Change{"makeFolders", [](T f) { return files::makeFolders(f.file("a/é/ü")); }, 0, "a/é/ü",
               ""},
        Change{"makeFoldersUnderAFile",
               [](T f) { return files::makeFolders(f.file("liste.txt/data")); }, ENOTDIR, "", ""},
        Change{"makeFoldersOverAFile", [](T f) { return files::makeFolders(f.file("liste.txt")); },
               ENOTDIR, "", ""},
        Change{"makeFoldersAllThere", [](T f) { return files::makeFolders(f.file("plein")); }, 0,
               "plein", ""},
        Change{"removeFolder", [](T f) { return files::removeFolder(f.file("vide")); }, 0, "",
               "vide"},
        Change{"removeFullFolder", [](T f) { return files::removeFolder(f.file("plein")); },
               ENOTEMPTY, "plein", ""},
        Change{"removeFile", [](T f) { return files::removeFile(f.file("liste.txt")); }, 0, "",
               "liste.txt"},
        Change{"removeMissingFile", [](T f) { return files::removeFile(f.file("absent.txt")); },
               ENOENT, "", ""},
        Change{"hardLinkOverAName",
               [](T f) { return files::hardLink(f.file("liste.txt"), f.file("plein/liste.txt")); },
               EEXIST, "", ""},
        Change{"syncFolder", [](T f) { return files::syncFolder(f.file("plein")); }, 0, "plein",
               ""},
        Change{"syncMissingFolder", [](T f) { return files::syncFolder(f.file("absent")); }, ENOENT,
               "", ""},
        Change{"mayWriteFolder", [](T f) { return files::mayWrite(f.file("vide")); }, 0, "vide",
               ""},
        Change{"mayWriteFile", [](T f) { return files::mayWrite(f.file("liste.txt")); }, 0, "", ""},
        Change{"mayWriteMissing", [](T f) { return files::mayWrite(f.file("absent.txt")); }, ENOENT,
               "", ""}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

// A second name is the same file; the real path of any spelling is one, written with '/'.
TEST(FileSystem, HardLinksAndRealPathsNameOneFile)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("Hélène/liste.txt", {"A"});
    ASSERT_EQ(files::hardLink(folder.file("Hélène/liste.txt"), folder.file("copie.txt")), 0);
    files::FileIdentity first, second;
    ASSERT_EQ(files::identityOf(folder.file("Hélène/liste.txt"), first), 0);
    ASSERT_EQ(files::identityOf(folder.file("copie.txt"), second), 0);
    EXPECT_EQ(first, second);
    std::string direct, dotted;
    ASSERT_EQ(files::realPath(folder.file("Hélène/liste.txt"), direct), 0);
    ASSERT_EQ(files::realPath(folder.file("Hélène/../Hélène/./liste.txt"), dotted), 0);
    EXPECT_EQ(direct, dotted);
    EXPECT_EQ(direct.find('\\'), std::string::npos) << direct;
    EXPECT_NE(direct.find("/Hélène/liste.txt"), std::string::npos) << direct;
    std::string missing;
    EXPECT_EQ(files::realPath(folder.file("absent/liste.txt"), missing), ENOENT);
}

TEST(Process, NamesItsProgramWithoutFolderOrExtension)
{
    EXPECT_EQ(files::programName(), "files_tests");
}

}  // namespace
