#include <files/FileKind.h>
#include <files/InputFile.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

struct Refusal {
    std::string path;
    int reason;
};

// What each system offers that is not a plain file, besides a folder and a missing path.
std::vector<Refusal> refusals(const testsupport::TempFolder& folder)
{
    std::filesystem::create_directory(folder.path() / "dossier");
    std::ofstream(folder.path() / "liste.txt") << "ABAQUE\r\n";
    std::vector<Refusal> cases = {{folder.file("dossier"), EISDIR},
                                  {folder.file("absent.txt"), ENOENT},
                                  {folder.file("absent/liste.txt"), ENOENT},
                                  {folder.file("liste.txt/mots.txt"), ENOTDIR}};
#ifdef _WIN32
    cases.push_back({"NUL", files::notAPlainFile});
#else
    cases.push_back({"/dev/zero", files::notAPlainFile});
    if (::mkfifo(folder.file("tube").c_str(), 0644) == 0)
        cases.push_back({folder.file("tube"), files::notAPlainFile});
    else
        ADD_FAILURE() << "no pipe made";
#endif
    return cases;
}

TEST(InputFile, RefusesWhatIsNotAPlainFileWithItsReason)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    for (const Refusal& refusal : refusals(folder)) {
        files::InputFile file;
        EXPECT_EQ(file.open(refusal.path), refusal.reason) << refusal.path;
        EXPECT_FALSE(file.isOpen()) << refusal.path;
        char byte;
        int error = 0;
        EXPECT_EQ(file.read(&byte, 1, error), 0u) << refusal.path;
    }
}

TEST(InputFile, ReadsAnEmptyFileToItsEndAtOnce)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.write("vide.txt", {});
    files::InputFile file;
    ASSERT_EQ(file.open(path), 0);
    char byte;
    int error = 0;
    EXPECT_EQ(file.read(&byte, 1, error), 0u);
    EXPECT_EQ(error, 0);
}

}  // namespace
