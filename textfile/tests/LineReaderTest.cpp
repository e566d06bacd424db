#include <textfile/LineReader.h>
#include <textfile/StringByteSource.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using textfile::LineReader;
using textfile::StringByteSource;

namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

std::vector<std::string> readAll(const std::string& bytes, std::size_t bufferSize)
{
    StringByteSource source(bytes);
    LineReader reader(source, bufferSize);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

class LineReaderCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LineReaderCases, CutsLinesAtEveryTerminatorWhateverTheBufferSize)
{
    const ReadCase& c = GetParam();
    for (std::size_t bufferSize : {1u, 2u, 3u, 7u, 65536u})
        EXPECT_EQ(readAll(c.bytes, bufferSize), c.lines) << "buffer " << bufferSize;
}

INSTANTIATE_TEST_SUITE_P(
    Terminators, LineReaderCases,
    ::testing::Values(
        ReadCase{"empty", "", {}}, ReadCase{"crlf", "AB\r\nCD\r\n", {"AB", "CD"}},
        ReadCase{"loneCr", "AB\rCD\r", {"AB", "CD"}}, ReadCase{"loneLf", "AB\nCD\n", {"AB", "CD"}},
        ReadCase{"lastWithoutTerminator", "AB\r\nCD", {"AB", "CD"}},
        ReadCase{"onlyTerminator", "\r\n", {""}}, ReadCase{"emptyLines", "\r\n\r\n", {"", ""}},
        ReadCase{"crCr", "\r\r", {"", ""}}, ReadCase{"lfCr", "A\n\rB", {"A", "", "B"}},
        ReadCase{"mixed", "A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        ReadCase{"semicolons", "AABEQU;ABAQUE\r\n", {"AABEQU;ABAQUE"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(LineReader, KeepsEveryHighByteAsItIs)
{
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    bytes += "\x00z";
    bytes[bytes.size() - 2] = '\0';
    EXPECT_EQ(readAll(bytes + "\r\n", 5), std::vector<std::string>{bytes});
}

TEST(LineReader, MissingFileIsNotOpenAndGivesTheReason)
{
    LineReader reader(std::string("/nonexistent/folder/list.txt"));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.errorText().empty());
    std::string line;
    EXPECT_FALSE(reader.next(line));
}

}  // namespace
