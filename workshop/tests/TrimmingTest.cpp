#include <workshop/ops/Trimming.h>

#include <workshop/ops/LineParts.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using listrun::Lines;

struct KeptCase {
    std::size_t length;
    std::size_t kept;
};

class TrimLine : public ::testing::TestWithParam<KeptCase> {};

TEST_P(TrimLine, KeepsALeftPartThatFollowsTheLength)
{
    const std::string line = std::string("ABCDEFGHIJKLMNOP").substr(0, GetParam().length);
    EXPECT_EQ(workshop::trimLine(line), line.substr(0, GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(Lengths, TrimLine,
                         ::testing::Values(KeptCase{0, 0}, KeptCase{1, 1}, KeptCase{2, 2},
                                           KeptCase{3, 3}, KeptCase{4, 4}, KeptCase{5, 5},
                                           KeptCase{6, 5}, KeptCase{7, 5}, KeptCase{8, 6},
                                           KeptCase{9, 7}, KeptCase{10, 7}, KeptCase{11, 7},
                                           KeptCase{12, 8}, KeptCase{13, 9}, KeptCase{14, 9},
                                           KeptCase{15, 9}, KeptCase{16, 10}));

TEST(TrimLines, WritesOneLinePerSourceLine)
{
    EXPECT_EQ(listrun::run(workshop::trimLines, {"ABCD;EFGH", "", "ABCDE"}),
              (Lines{"ABCD;EF", "", "ABCDE"}));
    EXPECT_TRUE(listrun::run(workshop::trimLines, {}).empty());
}

// The half swap as first described: the reference read through again for every source line.
Lines literalSwapListedHalves(const Lines& source, const Lines& reference)
{
    Lines out;
    for (const std::string& s : source) {
        const long c = workshop::nearestWhole((static_cast<double>(s.size()) - 1.0) / 2.0);
        const std::string a(workshop::leftPart(s, c));
        const std::string b(workshop::rightPart(s, c));
        bool marked = false;
        for (const std::string& line : reference)
            if (line == a)
                marked = true;
        out.push_back(marked ? b + ";" + a : s);
    }
    return out;
}

struct SwapCase {
    const char* name;
    Lines source;
    Lines reference;
    Lines expected;
};

class SwapListedHalves : public ::testing::TestWithParam<SwapCase> {};

TEST_P(SwapListedHalves, SwapsLinesWhoseLeftHalfIsListed)
{
    const SwapCase& c = GetParam();
    EXPECT_EQ(listrun::runWithReference(workshop::swapListedHalves, c.source, c.reference),
              c.expected);
    EXPECT_EQ(literalSwapListedHalves(c.source, c.reference), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapListedHalves,
    ::testing::Values(
        SwapCase{"Listed", {"AEIRST;ARETES"}, {"AEIRST"}, {"ARETES;AEIRST"}},
        SwapCase{"NotListed", {"AEIRST;ARETES"}, {"AEIRS", "aeirst", "AEIRST "}, {"AEIRST;ARETES"}},
        SwapCase{"WholeLinesCompared", {"AEIRST;ARETES"}, {"AEIRST;ARETES"}, {"AEIRST;ARETES"}},
        SwapCase{"EmptyReference", {"AEIRST;ARETES", ""}, {}, {"AEIRST;ARETES", ""}},
        SwapCase{"ListedAmongOthers",
                 {"AEIRST;ARETES", "ABC;XYZ"},
                 {"XYZ", "AEIRST", "QQ"},
                 {"ARETES;AEIRST", "ABC;XYZ"}},
        SwapCase{"EmptyLineListed", {"", "A"}, {"ZZ", ""}, {";", ";"}},
        SwapCase{"EmptyLineNotListed", {""}, {"ZZ"}, {""}},
        SwapCase{"EvenLengths", {"ABCDEFGH", "ABCDEF"}, {"ABCD", "AB"}, {"EFGH;ABCD", "EF;AB"}}),
    [](const ::testing::TestParamInfo<SwapCase>& info) { return std::string(info.param.name); });

TEST(SwapListedHalves, OpensTheReferenceOnceAtTheFirstLine)
{
    int opens = 0;
    const Lines out = listrun::runWithReference(workshop::swapListedHalves, {"AB;XY", "AB;ZZ", "Q"},
                                                {"AB"}, &opens);
    EXPECT_EQ(out, (Lines{"XY;AB", "ZZ;AB", "Q"}));
    EXPECT_EQ(opens, 1);
    opens = 0;
    EXPECT_TRUE(listrun::runWithReference(workshop::swapListedHalves, {}, {"AB"}, &opens).empty());
    EXPECT_EQ(opens, 0);
}

TEST(SwapListedHalves, AReferenceThatCannotBeOpenedStopsAtTheFirstLine)
{
    const workshop::ReferenceOpener failing = listrun::failingReference();
    textfile::VectorLineSource empty({});
    textfile::VectorLineSink out;
    EXPECT_NO_THROW(workshop::swapListedHalves(empty, out, failing));
    textfile::VectorLineSource one({"AB;XY"});
    EXPECT_THROW(workshop::swapListedHalves(one, out, failing), std::runtime_error);
    EXPECT_TRUE(out.lines.empty());
}

TEST(SwapListedHalves, AgreesWithTheLiteralAlgorithmOnRandomLists)
{
    std::mt19937 random(19);
    std::size_t swapped = 0;
    for (int round = 0; round < 100; ++round) {
        const Lines source = listrun::randomLines(random, 40, "AB;", 0, 9);
        const Lines reference = listrun::randomLines(random, round % 10 == 0 ? 0 : 8, "AB;", 0, 4);
        const Lines expected = literalSwapListedHalves(source, reference);
        ASSERT_EQ(listrun::runWithReference(workshop::swapListedHalves, source, reference),
                  expected);
        for (std::size_t i = 0; i < source.size(); ++i)
            swapped += expected[i] != source[i] ? 1 : 0;
    }
    EXPECT_GT(swapped, 500u);
}

}  // namespace
