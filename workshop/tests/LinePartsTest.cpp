#include <workshop/ops/LineParts.h>

#include <gtest/gtest.h>

namespace {

struct RoundCase {
    double x;
    long expected;
};

class NearestWhole : public ::testing::TestWithParam<RoundCase> {};

TEST_P(NearestWhole, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(workshop::nearestWhole(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, NearestWhole,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-0.5, 0},
                                           RoundCase{-1.5, -2}, RoundCase{0.75, 1},
                                           RoundCase{0.25, 0}, RoundCase{4.0, 4},
                                           RoundCase{-1.0, -1}, RoundCase{5.5, 6}));

TEST(LineParts, CutsAtPositionsCountedFromOne)
{
    EXPECT_EQ(workshop::partFrom("AB;XYZ", 4, 2), "XY");
    EXPECT_EQ(workshop::partFrom("AB;XYZ", 5, 9), "YZ");
    EXPECT_EQ(workshop::partFrom("AB", 3, 1), "");
    EXPECT_EQ(workshop::partFrom("AB", 1, 0), "");
    EXPECT_EQ(workshop::leftPart("CHAT", 9), "CHAT");
    EXPECT_EQ(workshop::leftPart("CHAT", 2), "CH");
    EXPECT_EQ(workshop::rightPart("CHATS", 4), "HATS");
    EXPECT_EQ(workshop::rightPart("CHATS", 9), "CHATS");
}

TEST(LineParts, SplitsAtTheFirstSemicolon)
{
    EXPECT_EQ(workshop::drawPart("BEERZ;ZEBRE;ZEBRES"), "BEERZ");
    EXPECT_EQ(workshop::solutionsPart("BEERZ;ZEBRE;ZEBRES"), "ZEBRE;ZEBRES");
    EXPECT_EQ(workshop::solutionsPart("BEERZ;"), "");
    EXPECT_EQ(workshop::drawPart("ZEBRE"), "");
    EXPECT_EQ(workshop::solutionsPart("ZEBRE"), "ZEBRE");
}

}  // namespace
