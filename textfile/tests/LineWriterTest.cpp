#include <textfile/LineReader.h>
#include <textfile/LineWriter.h>
#include <textfile/StringByteSink.h>

#include <files/Utf8Path.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

using textfile::LineReader;
using textfile::LineWriter;
using textfile::StringByteSink;

namespace {

TEST(LineWriter, EndsEveryLineWithCrLfThroughASmallBuffer)
{
    StringByteSink sink;
    {
        LineWriter writer(sink, 3);
        writer.write("ABAQUE");
        writer.write("");
        writer.write("Z");
    }
    EXPECT_EQ(sink.bytes, "ABAQUE\r\n\r\nZ\r\n");
}

TEST(LineWriter, RoundTripsAllBytesThroughAFile)
{
    const testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const auto path = folder.path() / "roundtrip.txt";
    std::string line;
    for (int b = 1; b <= 0xFF; ++b)
        if (b != '\r' && b != '\n')
            line.push_back(static_cast<char>(b));
    {
        LineWriter writer(files::toUtf8(path));
        ASSERT_TRUE(writer.isOpen());
        writer.write(line);
        writer.write("fin");
        EXPECT_TRUE(writer.close());
    }
    LineReader reader(files::toUtf8(path));
    std::string got;
    ASSERT_TRUE(reader.next(got));
    EXPECT_EQ(got, line);
    ASSERT_TRUE(reader.next(got));
    EXPECT_EQ(got, "fin");
    EXPECT_FALSE(reader.next(got));
    EXPECT_EQ(std::filesystem::file_size(path), line.size() + 2 + 5);
}

TEST(LineWriter, FolderThatDoesNotExistIsReported)
{
    LineWriter writer(std::string("/nonexistent/folder/out.txt"));
    EXPECT_FALSE(writer.isOpen());
    EXPECT_FALSE(writer.ok());
    EXPECT_FALSE(writer.errorText().empty());
}

}  // namespace
