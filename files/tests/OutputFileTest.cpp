#include <files/InputFile.h>
#include <files/OutputFile.h>
#include <files/Utf8Path.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string readAll(const std::string& path)
{
    files::InputFile file;
    if (file.open(path) != 0)
        return "(not opened)";
    std::string bytes;
    char buffer[7];  // small, so that a file takes several reads
    int error = 0;
    while (const std::size_t got = file.read(buffer, sizeof buffer, error))
        bytes.append(buffer, got);
    return error ? "(read failed)" : bytes;
}

struct Written {
    const char* folder;  // UTF-8, made before the file
    const char* name;    // UTF-8
    std::string bytes;
};

// The bytes come back as written (no CR LF rewritten, no byte lost after a NUL or a 0x1A), and
// the file bears its own name, accents included, not that name in some 8-bit code page.
TEST(OutputFile, WritesBytesAsTheyAreUnderAnAccentedName)
{
    const Written cases[] = {
        {"", "liste.txt", "A\r\nB\r\n"},
        {"Hélène", "mes mots.txt", std::string("\xC9T\xC9\r\nlone\nCR\r\x1A\0end", 17)},
        {"œuvre à lire", "été.txt", ""},
    };
    for (const Written& written : cases) {
        testsupport::TempFolder root;
        ASSERT_TRUE(root.ok());
        const auto folder = root.path() / files::fromUtf8(written.folder);
        std::filesystem::create_directories(folder);
        const std::string path = files::toUtf8(folder / files::fromUtf8(written.name));

        files::OutputFile file;
        ASSERT_EQ(file.open(path), 0) << path;
        EXPECT_EQ(file.write(written.bytes.data(), written.bytes.size()), 0) << path;
        EXPECT_EQ(file.close(), 0) << path;

        EXPECT_EQ(readAll(path), written.bytes) << path;
        EXPECT_EQ(std::filesystem::file_size(files::fromUtf8(path)), written.bytes.size()) << path;
        const std::filesystem::directory_iterator listing(folder);
        ASSERT_NE(listing, std::filesystem::directory_iterator()) << path;
        EXPECT_EQ(files::toUtf8(listing->path().filename()), written.name);
    }
}

TEST(OutputFile, EmptiesAFileThatWasLonger)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("liste.txt");
    for (const std::string bytes : {"a long first content\r\n", "B\r\n"}) {
        files::OutputFile file;
        ASSERT_EQ(file.open(path), 0);
        ASSERT_EQ(file.write(bytes.data(), bytes.size()), 0);
        ASSERT_EQ(file.close(), 0);
    }
    EXPECT_EQ(readAll(path), "B\r\n");
}

TEST(OutputFile, RefusesAFolderAndAMissingFolderWithTheirReasons)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    std::filesystem::create_directory(folder.path() / "dossier");
    std::ofstream(folder.path() / "liste.txt") << "ABAQUE\r\n";
    const std::pair<const char*, int> cases[] = {
        {"dossier", EISDIR}, {"absent/liste.txt", ENOENT}, {"liste.txt/mots.txt", ENOTDIR}};
    for (const auto& [relative, reason] : cases) {
        files::OutputFile file;
        EXPECT_EQ(file.open(folder.file(relative)), reason) << relative;
        EXPECT_FALSE(file.isOpen()) << relative;
        EXPECT_NE(file.write("x", 1), 0) << relative;
    }
}

}  // namespace
