#include <listmaking/lists/SolutionLines.h>

#include <gtest/gtest.h>

using listmaking::SolutionLines;

namespace {

TEST(SolutionLines, OneLinePerDraw)
{
    const auto lines = SolutionLines::ofWords({"ZEBRE", "MARIE", "AIMER", "ABAQUE", "KIWI"});
    EXPECT_EQ(lines,
              (std::vector<std::string>{"AABEQU;ABAQUE", "AEIMR++++++;AIMER MARIE", "BEERZ;ZEBRE",
                                        "IIKW;KIWI"}));
}

TEST(SolutionLines, NothingForNoWord)
{
    EXPECT_TRUE(SolutionLines::ofWords({}).empty());
}

struct Padding {
    std::string draw;
    std::size_t length;
    SolutionLines::Side side;
    std::string padded;
};

class DrawPadding : public ::testing::TestWithParam<Padding> {};

TEST_P(DrawPadding, FillsWithPlus)
{
    const auto& p = GetParam();
    EXPECT_EQ(SolutionLines::padded(p.draw, p.length, p.side), p.padded);
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawPadding,
                         ::testing::Values(Padding{"ABC", 3, SolutionLines::Side::back, "ABC"},
                                           Padding{"ABC", 2, SolutionLines::Side::back, "ABC"},
                                           Padding{"ABC", 5, SolutionLines::Side::back, "ABC++"},
                                           Padding{"+AB", 5, SolutionLines::Side::front, "+++AB"},
                                           Padding{"", 2, SolutionLines::Side::back, "++"}));

TEST(SolutionLines, LineOfADrawAndItsWords)
{
    EXPECT_EQ(SolutionLines::line("AEIMR", {"AIMER", "MARIE", "RAMIE"}),
              "AEIMR++++++++++++;AIMER MARIE RAMIE");
    EXPECT_EQ(SolutionLines::line("ENZ", {"ZEN"}), "ENZ;ZEN");
}

}  // namespace
