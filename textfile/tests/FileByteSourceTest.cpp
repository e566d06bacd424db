#include <textfile/FileByteSource.h>
#include <textfile/LineReader.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool put(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

TEST(FileByteSource, ReadsAPlainFileAndOneThroughASymbolicLink)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(put(folder.file("list.txt"), "A\r\nB"));
    ASSERT_EQ(::symlink(folder.file("list.txt").c_str(), folder.file("link").c_str()), 0);
    for (const char* name : {"list.txt", "link"}) {
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
    const char* what;
    int errorNumber;
    const char* reason;  // what the player reads, in French
};

// Each non-plain path is refused at once, with the reason's number.
TEST(FileByteSource, RefusesWhatIsNotAPlainFileWithoutWaiting)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_EQ(::mkdir(folder.file("folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0644), 0);
    ASSERT_EQ(::symlink(folder.file("pipe").c_str(), folder.file("link-to-pipe").c_str()), 0);
    const Refusal cases[] = {{"folder", EISDIR, "c'est un dossier"},
                             {"pipe", textfile::notAPlainFile,
                              "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)"},
                             {"link-to-pipe", textfile::notAPlainFile,
                              "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)"},
                             {"absent", ENOENT, "fichier ou dossier introuvable"}};
    for (const Refusal& refusal : cases) {
        const auto start = std::chrono::steady_clock::now();
        textfile::FileByteSource source(folder.file(refusal.what));
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

TEST(FileByteSource, RefusesADeviceWithoutReadingIt)
{
    textfile::FileByteSource zero("/dev/zero");
    EXPECT_FALSE(zero.isOpen());
    EXPECT_EQ(zero.errorNumber(), textfile::notAPlainFile);
}

}  // namespace
