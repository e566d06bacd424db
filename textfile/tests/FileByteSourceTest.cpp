#include "FileByteSource.h"
#include "LineReader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A fresh folder under the system's temporary folder, removed with what it holds.
class Folder {
public:
    Folder()
    {
        char pattern[] = "/tmp/textfile-XXXXXX";
        path_ = ::mkdtemp(pattern) ? pattern : "";
    }
    ~Folder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    bool ok() const { return !path_.empty(); }

private:
    std::string path_;
};

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
    Folder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(put(folder / "list.txt", "A\r\nB"));
    ASSERT_EQ(::symlink((folder / "list.txt").c_str(), (folder / "link").c_str()), 0);
    for (const char* name : {"list.txt", "link"}) {
        textfile::LineReader reader(folder / name);
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
};

// Each non-plain path is refused at once, with the reason's number.
TEST(FileByteSource, RefusesWhatIsNotAPlainFileWithoutWaiting)
{
    Folder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_EQ(::mkdir((folder / "folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
    ASSERT_EQ(::symlink((folder / "pipe").c_str(), (folder / "link-to-pipe").c_str()), 0);
    const Refusal cases[] = {{"folder", EISDIR},
                             {"pipe", textfile::notAPlainFile},
                             {"link-to-pipe", textfile::notAPlainFile},
                             {"absent", ENOENT}};
    for (const Refusal& refusal : cases) {
        const auto start = std::chrono::steady_clock::now();
        textfile::FileByteSource source(folder / refusal.what);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << refusal.what;
        EXPECT_FALSE(source.isOpen()) << refusal.what;
        EXPECT_TRUE(source.failed()) << refusal.what;
        EXPECT_EQ(source.errorNumber(), refusal.errorNumber) << refusal.what;
        EXPECT_FALSE(source.errorText().empty()) << refusal.what;
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
