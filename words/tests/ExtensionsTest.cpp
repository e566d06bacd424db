#include <words/Extensions.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct PairCase {
    const char* base;
    const char* longer;
    std::optional<std::string> letter;  // none: `longer` does not keep base whole on that side
};

std::optional<std::string> asString(std::optional<std::string_view> letter)
{
    return letter ? std::optional<std::string>(std::string(*letter)) : std::nullopt;
}

class BackLetter : public ::testing::TestWithParam<PairCase> {};

TEST_P(BackLetter, IsTheLastLetterOfAWordThatBeginsWithTheBase)
{
    EXPECT_EQ(asString(words::backLetter(GetParam().base, GetParam().longer)), GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, BackLetter,
    ::testing::Values(PairCase{"CHAT", "CHATS", "S"}, PairCase{"AMI", "AMIE", "E"},
                      PairCase{"CHAT", "CHOTS", std::nullopt},
                      PairCase{"ABLE", "TABLE", std::nullopt},
                      PairCase{"CHAT", "CHA", std::nullopt},  // shorter than its base
                      PairCase{"", "B", "B"}, PairCase{"", "", ""}));

class FrontLetter : public ::testing::TestWithParam<PairCase> {};

TEST_P(FrontLetter, IsTheFirstLetterOfAWordThatEndsWithTheBase)
{
    EXPECT_EQ(asString(words::frontLetter(GetParam().base, GetParam().longer)), GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, FrontLetter,
    ::testing::Values(PairCase{"ABLE", "TABLE", "T"}, PairCase{"ZOO", "AZOO", "A"},
                      PairCase{"ABLE", "TABLO", std::nullopt},
                      PairCase{"CHAT", "CHATS", std::nullopt},
                      PairCase{"ABLE", "BLE", std::nullopt},  // shorter than its base
                      PairCase{"", "B", "B"}, PairCase{"", "", ""}));

}  // namespace
