#include <words/LetterValues.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct LetterCase {
    char letter;
    int value;
};

class LetterValue : public ::testing::TestWithParam<LetterCase> {};

TEST_P(LetterValue, IsTheFaceValueLessOne)
{
    EXPECT_EQ(words::letterValue(GetParam().letter), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, LetterValue,
    ::testing::Values(LetterCase{'A', 0}, LetterCase{'B', 2}, LetterCase{'C', 2},
                      LetterCase{'D', 1}, LetterCase{'E', 0}, LetterCase{'F', 3},
                      LetterCase{'G', 1}, LetterCase{'H', 3}, LetterCase{'J', 7},
                      LetterCase{'K', 9}, LetterCase{'L', 0}, LetterCase{'M', 1},
                      LetterCase{'P', 2}, LetterCase{'Q', 7}, LetterCase{'S', 0},
                      LetterCase{'V', 3}, LetterCase{'W', 9}, LetterCase{'X', 9},
                      LetterCase{'Y', 9}, LetterCase{'Z', 9}, LetterCase{'k', 0},
                      LetterCase{'z', 0}, LetterCase{'?', 0}, LetterCase{';', 0},
                      LetterCase{'\xC9', 0}));  // É

struct TextCase {
    std::string text;
    int value;
};

class WordValue : public ::testing::TestWithParam<TextCase> {};

TEST_P(WordValue, AddsTheLetterValues)
{
    EXPECT_EQ(words::wordValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Words, WordValue,
                         ::testing::Values(TextCase{"ABAQUE", 9}, TextCase{"ZEBRE", 11},
                                           TextCase{"KIWI", 18}, TextCase{"ARETES", 0},
                                           TextCase{"", 0}, TextCase{"zebre", 0},
                                           TextCase{"ZEBRES", 11}));

}  // namespace
