#include <textfile/VectorLineSink.h>
#include <textfile/VectorLineSource.h>
#include <workshop/ops/LetterValues.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Lines = std::vector<std::string>;

struct TextCase {
    std::string text;
    int value;
};

class LineValue : public ::testing::TestWithParam<TextCase> {};

TEST_P(LineValue, ValuesAsManyFinalCharactersAsTheDrawHas)
{
    EXPECT_EQ(workshop::lineValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineValue,
                         ::testing::Values(TextCase{"AABEQU;ABAQUE", 9},
                                           TextCase{"BEERZ;ZEBRES", 2},  // EBRES
                                           TextCase{";ZEBRE", 0}, TextCase{"AEERST;ARETES", 0},
                                           TextCase{"BEERZ;ZEBRE;S", 2},  // BRE;S
                                           TextCase{"beerz;zebre", 0},
                                           TextCase{"ZEBRE", 11},  // a bare word is valued whole
                                           TextCase{"", 0}));

// One line of each given value, as draw;word with the word's letters.
struct SortCase {
    std::string line;
    int output;  // rank of the output it lands in, -1 for none
};

using Sort = status::Status (*)(textfile::LineSource&, const std::vector<textfile::LineSink*>&);

std::vector<Lines> sortLines(Sort sort, std::size_t outputs, const Lines& input)
{
    textfile::VectorLineSource source(input);
    std::vector<textfile::VectorLineSink> sinks(outputs);
    std::vector<textfile::LineSink*> pointers;
    for (auto& sink : sinks)
        pointers.push_back(&sink);
    EXPECT_TRUE(sort(source, pointers).ok());
    std::vector<Lines> written;
    for (const auto& sink : sinks)
        written.push_back(sink.lines);
    return written;
}

void expectSorted(Sort sort, std::size_t outputs, const std::vector<SortCase>& cases)
{
    Lines input;
    std::vector<Lines> expected(outputs);
    for (const SortCase& row : cases) {
        input.push_back(row.line);
        if (row.output >= 0)
            expected[static_cast<std::size_t>(row.output)].push_back(row.line);
    }
    EXPECT_EQ(sortLines(sort, outputs, input), expected);
}

TEST(SortByValue, SpreadsLinesOverValuesZeroToSixAndSevenUp)
{
    expectSorted(workshop::sortByValue, 8,
                 {{"AEERST;ARETES", 0},
                  {";", 0},
                  {"AMO;MOA", 1},
                  {"BEERZ;ZEBRES", 2},
                  {"FHI;FHI", 6},
                  {"AABEQU;ABAQUE", 7},
                  {"IIKW;KIWI", 7},
                  {"kiwi", 0},
                  {"ZEBRE", 7},
                  {"AEIRST;ARETES", 0}});
}

TEST(SortExpensiveByValue, KeepsValuesFromSevenInNineOutputs)
{
    expectSorted(workshop::sortExpensiveByValue, 9,
                 {{"FH;FH", -1},
                  {"AEERST;ARETES", -1},
                  {"J;J", 0},
                  {"AABEQU;ABAQUE", 2},
                  {"BEERZ;ZEBRE", 4},
                  {"DHZ;ZHD", 6},
                  {"BHK;KHB", 7},
                  {"CDFK;KFCD", 7},
                  {"JZ;ZJ", 8},
                  {"KWXYZ;KWXYZ", 8},
                  {"ZEBRE", 4},
                  {";", -1}});
}

TEST(SortByValue, NeedsItsOutputs)
{
    textfile::VectorLineSource source({"A;A"});
    textfile::VectorLineSink sink;
    EXPECT_EQ(workshop::sortByValue(source, {&sink}).why(),
              "un tri par valeurs écrit 8 fichiers, pas 1");
    EXPECT_EQ(workshop::sortExpensiveByValue(source, {&sink}).why(),
              "un tri par valeurs écrit 9 fichiers, pas 1");
    EXPECT_TRUE(sink.lines.empty());
}

TEST(ValueSuffixes, NameTheOutputsInOrder)
{
    EXPECT_EQ(workshop::valueSuffixes(),
              (Lines{"val0.txt", "val1.txt", "val2.txt", "val3.txt", "val4.txt", "val5.txt",
                     "val6.txt", "valup7.txt"}));
    EXPECT_EQ(workshop::expensiveValueSuffixes(),
              (Lines{"val7.txt", "val8.txt", "val9.txt", "val10.txt", "val11.txt", "val12.txt",
                     "val13.txt", "val14-15.txt", "val16up.txt"}));
}

}  // namespace
