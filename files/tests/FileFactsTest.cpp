#include <files/FileFacts.h>
#include <files/FileIdentity.h>
#include <files/FileSystem.h>
#include <files/Utf8Path.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using Kind = files::FileFacts::Kind;

namespace {

struct Named {
    const char* path;
    bool follow;
    int error;
    Kind kind;
    std::uint64_t size;
};

// A file, a folder with accents and a missing name, through its facts and its identity.
TEST(FileFacts, TellsKindSizeAndIdentity)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"ABC"});
    folder.write("Hélène/été.txt", {"A", "B"});
    const Named cases[] = {
        {"liste.txt", true, 0, Kind::regular, 5},
        {"liste.txt", false, 0, Kind::regular, 5},
        {"Hélène/été.txt", true, 0, Kind::regular, 6},
        {"Hélène", true, 0, Kind::folder, 0},
        {"absent.txt", true, ENOENT, Kind::other, 0},
        {"absent/liste.txt", false, ENOENT, Kind::other, 0},
    };
    for (const auto& c : cases) {
        files::FileFacts facts;
        EXPECT_EQ(files::factsOf(folder.file(c.path), facts, c.follow), c.error) << c.path;
        if (c.error != 0)
            continue;
        EXPECT_EQ(facts.kind, c.kind) << c.path;
        if (c.kind == Kind::regular) {
            EXPECT_EQ(facts.size, c.size) << c.path;
        }
        files::FileIdentity identity;
        ASSERT_EQ(files::identityOf(folder.file(c.path), identity), 0) << c.path;
        EXPECT_EQ(facts.identity, identity) << c.path;
    }
}

// The write bits as the system keeps them, and the time of the last change to the second.
TEST(FileFacts, TellsWriteBitsAndTheLastChange)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string kept = folder.write("gardée.txt", {"A"});
    const std::string open = folder.write("ouverte.txt", {"A"});
    fs::permissions(files::fromUtf8(kept),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto stamp = fs::last_write_time(files::fromUtf8(open)) - std::chrono::hours(48);
    fs::last_write_time(files::fromUtf8(open), stamp);
    files::FileFacts keptFacts, openFacts, later;
    ASSERT_EQ(files::factsOf(kept, keptFacts), 0);
    ASSERT_EQ(files::factsOf(open, openFacts), 0);
    EXPECT_EQ(keptFacts.mode & 0222, 0u);
    EXPECT_NE(openFacts.mode & 0200, 0u);
    // two days on: the seconds grow by 172 800, whatever the clock of the file system
    fs::last_write_time(files::fromUtf8(open), stamp + std::chrono::hours(48));
    ASSERT_EQ(files::factsOf(open, later), 0);
    EXPECT_EQ(later.modifiedSeconds - openFacts.modifiedSeconds, 172800);
    EXPECT_EQ(later.modifiedNanoseconds, openFacts.modifiedNanoseconds);
    fs::permissions(files::fromUtf8(kept), fs::perms::owner_write, fs::perm_options::add);
}

// A symbolic link is told as such, or followed; where links need a privilege, nothing to see.
TEST(FileFacts, TellsALinkOnlyWhenNotFollowed)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string target = folder.write("liste.txt", {"ABC"});
    std::error_code refused;
    fs::create_symlink(files::fromUtf8(target), folder.path() / "lien.txt", refused);
    if (refused)
        GTEST_SKIP() << "no symbolic link here (it needs a privilege on Windows): "
                     << refused.message();
    files::FileFacts link, followed;
    ASSERT_EQ(files::factsOf(folder.file("lien.txt"), link, false), 0);
    ASSERT_EQ(files::factsOf(folder.file("lien.txt"), followed, true), 0);
    EXPECT_EQ(link.kind, Kind::link);
    EXPECT_EQ(followed.kind, Kind::regular);
    EXPECT_EQ(followed.size, 5u);
}

}  // namespace
