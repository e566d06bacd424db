#include <words/DrawKey.h>

#include <gtest/gtest.h>

#include <random>

namespace {

struct KeyCase {
    std::string word;
    std::string key;
};

class DrawKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DrawKey, SortsCharactersByCode)
{
    EXPECT_EQ(words::drawKey(GetParam().word), GetParam().key);
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
        ASSERT_EQ(words::drawKey(word), exchangeSortKey(word)) << "round " << round;
    }
}

}  // namespace
