#include <textfile/FileFailure.h>
#include <textfile/LineReader.h>
#include <textfile/StringByteSource.h>

#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

struct Shown {
    char separator;
    const char* why;
};

class FileFailureShown : public ::testing::TestWithParam<Shown> {};

// The path comes first, as the system writes it, then the reason after " : ".
TEST_P(FileFailureShown, NamesThePathAsTheSystemWritesIt)
{
    const files::ShownSeparator separator(GetParam().separator);
    const status::Status failed = textfile::fromErrno("data/liste.txt", EACCES);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(failed.wasCancelled());
    EXPECT_EQ(failed.why(), GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(Separators, FileFailureShown,
                         ::testing::Values(Shown{'/', "data/liste.txt : permission refusée"},
                                           Shown{'\\', "data\\liste.txt : permission refusée"}));

TEST(FileFailure, AReaderThatMetNothingIsASuccess)
{
    textfile::StringByteSource source("A;B\r\n");
    textfile::LineReader reader(source);
    std::string line;
    while (reader.next(line)) {
    }
    EXPECT_TRUE(textfile::fromReader("data/liste.txt", reader).ok());
}

TEST(FileFailure, AReaderThatStoppedNamesTheFileAndItsReason)
{
    const files::ShownSeparator separator('/');
    textfile::StringByteSource source("ABCDE\r\n");
    textfile::LineReader reader(source, 16, 4);
    std::string line;
    EXPECT_FALSE(reader.next(line));
    EXPECT_EQ(textfile::fromReader("data/liste.txt", reader).why(),
              "data/liste.txt : ligne trop longue (plus de 4 octets)");
}

}  // namespace
