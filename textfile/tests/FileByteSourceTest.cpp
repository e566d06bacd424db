#include <textfile/FileByteSource.h>
#include <textfile/LineReader.h>

#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool put(const std::string& path, const std::string& bytes)
{
    return testsupport::writeBytes(path, bytes);
}

// Symbolic links need a privilege on Windows: there the plain file alone is read.
TEST(FileByteSource, ReadsAPlainFileAndOneThroughASymbolicLink)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(put(folder.file("list.txt"), "A\r\nB"));
    std::vector<const char*> names = {"list.txt"};
#ifndef _WIN32
    ASSERT_EQ(::symlink(folder.file("list.txt").c_str(), folder.file("link").c_str()), 0);
    names.push_back("link");
#endif
    for (const char* name : names) {
        textfile::LineReader reader(folder.file(name));
        ASSERT_TRUE(reader.isOpen()) << name;
        std::string line, all;
        while (reader.next(line))
            all += line + "|";
        EXPECT_EQ(all, "A|B|") << name;
        EXPECT_FALSE(reader.failed());
    }
}

struct Refusal {
    std::string what;
    int errorNumber;
    const char* reason;  // what the player reads, in French
};

const char* const notPlain = "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)";

// The folder, the missing file and what each system has that is not a plain file.
std::vector<Refusal> refusals(const testsupport::TempFolder& folder)
{
    std::filesystem::create_directory(folder.path() / "folder");
    std::vector<Refusal> cases = {
        {folder.file("folder"), EISDIR, "c'est un dossier"},
        {folder.file("absent"), ENOENT, "fichier ou dossier introuvable"}};
#ifdef _WIN32
    cases.push_back({"NUL", textfile::notAPlainFile, notPlain});
#else
    if (::mkfifo(folder.file("pipe").c_str(), 0644) != 0
        || ::symlink(folder.file("pipe").c_str(), folder.file("link-to-pipe").c_str()) != 0)
        ADD_FAILURE() << "no pipe or link made";
    cases.push_back({folder.file("pipe"), textfile::notAPlainFile, notPlain});
    cases.push_back({folder.file("link-to-pipe"), textfile::notAPlainFile, notPlain});
    cases.push_back({"/dev/zero", textfile::notAPlainFile, notPlain});
#endif
    return cases;
}

// Each non-plain path is refused at once, with the reason's number.
TEST(FileByteSource, RefusesWhatIsNotAPlainFileWithoutWaiting)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    for (const Refusal& refusal : refusals(folder)) {
        const auto start = std::chrono::steady_clock::now();
        textfile::FileByteSource source(refusal.what);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1))
            << refusal.what;
        EXPECT_FALSE(source.isOpen()) << refusal.what;
        EXPECT_TRUE(source.failed()) << refusal.what;
        EXPECT_EQ(source.errorNumber(), refusal.errorNumber) << refusal.what;
        EXPECT_EQ(source.errorText(), refusal.reason) << refusal.what;
        char byte;
        EXPECT_EQ(source.read(&byte, 1), 0u) << refusal.what;
    }
}

}  // namespace
