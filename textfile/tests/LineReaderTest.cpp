#include <textfile/LineReader.h>
#include <textfile/StringByteSource.h>
#include <textfile/SystemReason.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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
    EXPECT_FALSE(reader.status().why().empty());
    std::string line;
    EXPECT_FALSE(reader.next(line));
}

struct LimitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;  // what is handed out before the reading stops
    bool refused;
};

class LineLimitCases : public ::testing::TestWithParam<LimitCase> {};

// With a limit of 4 bytes: a line of 4 is read, a line of 5 stops the reading there, however
// the buffer cuts it.
TEST_P(LineLimitCases, ALongerLineEndsTheReadingWithItsNumber)
{
    const LimitCase& c = GetParam();
    for (std::size_t bufferSize : {1u, 2u, 3u, 7u, 65536u}) {
        StringByteSource source(c.bytes);
        LineReader reader(source, bufferSize, 4);
        std::vector<std::string> lines;
        std::string line;
        while (reader.next(line))
            lines.push_back(line);
        EXPECT_EQ(lines, c.lines) << "buffer " << bufferSize;
        EXPECT_EQ(reader.failed(), c.refused) << "buffer " << bufferSize;
        EXPECT_EQ(reader.linesRead(), c.lines.size());
        if (c.refused) {
            EXPECT_EQ(reader.errorNumber(), textfile::lineTooLong);
            EXPECT_EQ(reader.status().why(), "ligne trop longue (plus de 4 octets)");
            EXPECT_FALSE(reader.next(line));
            EXPECT_TRUE(line.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limit, LineLimitCases,
    ::testing::Values(LimitCase{"atTheLimit", "ABCD\r\nEF", {"ABCD", "EF"}, false},
                      LimitCase{"lastAtTheLimit", "AB\r\nABCD", {"AB", "ABCD"}, false},
                      LimitCase{"overTheLimit", "AB\r\nABCDE\r\nX\r\n", {"AB"}, true},
                      LimitCase{"lastOverTheLimit", "\r\nAB\nABCDE", {"", "AB"}, true},
                      LimitCase{"firstOverTheLimit", "ABCDEFGH", {}, true}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

// Three gigabytes of NUL without a line end, made as they are asked for.
class EndlessLine : public textfile::ByteSource {
public:
    std::size_t read(char* buffer, std::size_t capacity) override
    {
        const std::size_t n = std::min<unsigned long long>(capacity, kSize - handedOut);
        std::memset(buffer, 0, n);
        handedOut += n;
        return n;
    }

    static constexpr unsigned long long kSize = 3ULL << 30;
    unsigned long long handedOut = 0;
};

TEST(LineReader, AGiganticLineIsRefusedAfterTheLimitIsReached)
{
    EndlessLine source;
    LineReader reader(source);
    std::string line;
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.linesRead(), 0u);
    EXPECT_LE(source.handedOut, textfile::longestLine + (1 << 16));
    EXPECT_LT(line.capacity(), textfile::longestLine);
    EXPECT_EQ(reader.status().why(),
              "ligne trop longue (plus de 1\xC2\xA0"
              "048\xC2\xA0"
              "576 octets)");
    EXPECT_EQ(textfile::systemReason(textfile::lineTooLong), reader.status().why());
}

}  // namespace
