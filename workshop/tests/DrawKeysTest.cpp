#include <workshop/ops/DrawKeys.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

#include <random>

namespace {

using listrun::Lines;

struct KeyCase {
    std::string word;
    std::string key;
};

class DrawKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DrawKey, SortsCharactersByCode)
{
    EXPECT_EQ(workshop::drawKey(GetParam().word), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Words, DrawKey,
    ::testing::Values(KeyCase{"ABAQUE", "AABEQU"}, KeyCase{"", ""}, KeyCase{"A?B", "?AB"},
                      KeyCase{"Ab", "Ab"}, KeyCase{"bA", "Ab"}, KeyCase{"ZEBRE", "BEERZ"},
                      KeyCase{"DEPARTEMENTALES", "AADEEEELMNPRSTT"},
                      KeyCase{"\xE9TAZ", "ATZ\xE9"},  // an accented letter after Z
                      KeyCase{std::string(100, 'Z') + "A", "A" + std::string(100, 'Z')}));

// The exchange sort that the draw of a word was first defined by.
std::string exchangeSortKey(std::string slots)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(slots[i]);
        for (std::size_t j = i + 1; j < slots.size(); ++j) {
            if (static_cast<unsigned char>(slots[j]) < c) {
                std::swap(slots[i], slots[j]);
                c = static_cast<unsigned char>(slots[i]);
            }
        }
    }
    return slots;
}

TEST(DrawKeyOracle, AgreesWithTheExchangeSortOnRandomWords)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> start(0, 255);
    const int spans[] = {26, 63, 64, 65, 256};  // capital letters, and wider ranges
    for (int round = 0; round < 2000; ++round) {
        const int low = round % 3 == 0 ? 64 : start(random);  // 64: the letters
        std::uniform_int_distribution<int> byte(low, low + spans[round % 5] - 1);
        std::string word(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : word)
            c = static_cast<char>(byte(random) % 256);
        ASSERT_EQ(workshop::drawKey(word), exchangeSortKey(word)) << "round " << round;
    }
}

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
