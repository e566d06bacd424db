#include <files/FileIdentity.h>
#include <files/FileKind.h>
#include <files/WritableFile.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Opening {
    const char* path;
    int error;
};

// Only an existing plain file is opened, and never created.
TEST(WritableFile, OpensOnlyAnExistingPlainFile)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("Hélène/liste.txt", {"A"});
    const Opening cases[] = {{"Hélène/liste.txt", 0},
                             {"absent.txt", ENOENT},
                             {"absent/liste.txt", ENOENT},
                             {"Hélène", EISDIR}};
    for (const auto& c : cases) {
        files::WritableFile file;
        EXPECT_EQ(file.open(folder.file(c.path)), c.error) << c.path;
        EXPECT_EQ(file.isOpen(), c.error == 0) << c.path;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "absent.txt"));
}

// Written where it stands: the same file, with the length given at the end, synced.
TEST(WritableFile, WritesAtPlacesAndTakesItsNewLength)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.write("liste.txt", {"ABCDEFGHIJ"});
    files::WritableFile file;
    ASSERT_EQ(file.open(path), 0);
    files::FileIdentity identity;
    ASSERT_EQ(files::identityOf(path, identity), 0);
    EXPECT_EQ(file.identity(), identity);
    std::uint64_t length = 0, room = 0;
    ASSERT_EQ(file.size(length, room), 0);
    EXPECT_EQ(length, 12u);
    const int reserved = file.reserve(4096);
    EXPECT_TRUE(reserved == 0 || reserved == EOPNOTSUPP) << reserved;
    ASSERT_EQ(file.size(length, room), 0);
    EXPECT_EQ(length, 12u);  // the room taken changes no byte and no length
    if (reserved == 0) {
        EXPECT_GE(room, 4096u);
    }
    EXPECT_EQ(testsupport::FolderSnapshot::of(folder.file(""))["liste.txt"], "ABCDEFGHIJ\r\n");
    EXPECT_EQ(file.writeAt("xy", 2, 3), 0);
    EXPECT_EQ(file.writeAt("12345", 5, 10), 0);
    EXPECT_EQ(file.resize(14), 0);
    EXPECT_EQ(file.sync(), 0);
    file.close();
    EXPECT_EQ(testsupport::FolderSnapshot::of(folder.file(""))["liste.txt"], "ABCxyFGHIJ1234");
    EXPECT_EQ(file.writeAt("A", 1, 0), EBADF);
}

// The calls on a file that a C library descriptor holds, as Qt's files give it.
TEST(OpenFile, ReadsWritesAndMeasuresThroughADescriptor)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("ouvert.txt");
    std::FILE* stream = std::fopen(path.c_str(), "w+b");
    ASSERT_NE(stream, nullptr);
    const int descriptor = fileno(stream);
    EXPECT_EQ(files::writeOpenFile(descriptor, "ABAQUE\r\nZEN\r\n", 13), 0);
    EXPECT_EQ(files::syncOpenFile(descriptor), 0);
    std::uint64_t size = 0;
    EXPECT_EQ(files::sizeOfOpenFile(descriptor, size), 0);
    EXPECT_EQ(size, 13u);
    char buffer[8] = {};
    int error = 0;
    EXPECT_EQ(files::readAt(descriptor, buffer, 3, 8, error), 3u);
    EXPECT_EQ(std::string(buffer, 3), "ZEN");
    EXPECT_EQ(files::readAt(descriptor, buffer, 8, 13, error), 0u);  // the end
    EXPECT_EQ(error, 0);
    std::fclose(stream);
}

}  // namespace
