#include <workshop/ops/DrawKeys.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

namespace {

using listrun::Lines;

struct LineCase {
    std::string line;
    std::string expected;
};

class AddDraws : public ::testing::TestWithParam<LineCase> {};

TEST_P(AddDraws, PutsTheDrawOfTheWordInFront)
{
    EXPECT_EQ(listrun::run(workshop::addDraws, {GetParam().line}), Lines{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AddDraws,
    ::testing::Values(LineCase{"ABAQUE*", "AABEQU;ABAQUE"}, LineCase{"", ";"},
                      LineCase{"ZEBRE", "BEERZ;ZEBRE"},
                      LineCase{"ZEBRE;ZEBRES", "BEERZ;ZEBRE;ZEBRES"},
                      LineCase{"ZEBRE;", "BEERZ;ZEBRE;"},  // a final ";" still ends the word
                      LineCase{";ABC", ";;ABC"}, LineCase{"*", ";"},
                      LineCase{"AB**", "*AB;AB*"},  // only one star is taken off
                      LineCase{"ANTICONSTITUTIONNELLEMENT",
                               "ACEEEIIILLMNNNNNOOSTTTTTU;ANTICONSTITUTIONNELLEMENT"}));

class RemoveDraws : public ::testing::TestWithParam<LineCase> {};

TEST_P(RemoveDraws, KeepsWhatFollowsTheFirstSemicolon)
{
    EXPECT_EQ(listrun::run(workshop::removeDraws, {GetParam().line}), Lines{GetParam().expected});
}

INSTANTIATE_TEST_SUITE_P(Lines, RemoveDraws,
                         ::testing::Values(LineCase{"BEERZ;ZEBRE", "ZEBRE"},
                                           LineCase{"BEERZ;ZEBRE;ZEBRES", "ZEBRE;ZEBRES"},
                                           LineCase{"BEERZ;", ""}, LineCase{";ZEBRE", "ZEBRE"},
                                           LineCase{"ZEBRE", "ZEBRE"},  // a bare word
                                           LineCase{"", ""}));

TEST(DrawOperations, StreamEveryLineInOrder)
{
    const Lines words = {"ZEBRE", "KIWI*", "ABAQUE"};
    const Lines withDraws = listrun::run(workshop::addDraws, words);
    EXPECT_EQ(withDraws, (Lines{"BEERZ;ZEBRE", "IIKW;KIWI", "AABEQU;ABAQUE"}));
    EXPECT_EQ(listrun::run(workshop::removeDraws, withDraws), (Lines{"ZEBRE", "KIWI", "ABAQUE"}));
}

}  // namespace
