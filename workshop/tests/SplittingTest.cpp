#include <textfile/VectorLineSink.h>
#include <textfile/VectorLineSource.h>
#include <workshop/ops/Splitting.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    int lines;
    int parts;
    std::vector<Lines> expected;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, DealsTheLinesOutInTurn)
{
    Lines input;
    for (int i = 1; i <= GetParam().lines; ++i)
        input.push_back(std::to_string(i));
    textfile::VectorLineSource source(input);
    std::vector<textfile::VectorLineSink> parts(static_cast<std::size_t>(GetParam().parts));
    std::vector<textfile::LineSink*> sinks;
    for (auto& part : parts)
        sinks.push_back(&part);

    ASSERT_TRUE(workshop::splitLines(source, sinks).ok());

    std::vector<Lines> written;
    for (const auto& part : parts)
        written.push_back(part.lines);
    EXPECT_EQ(written, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SplitLines,
    ::testing::Values(SplitCase{7, 3, {{"1", "4", "7"}, {"2", "5"}, {"3", "6"}}},
                      SplitCase{2, 5, {{"1"}, {"2"}, {}, {}, {}}},  // fewer lines than parts
                      SplitCase{0, 2, {{}, {}}}, SplitCase{4, 2, {{"1", "3"}, {"2", "4"}}},
                      SplitCase{9, 4, {{"1", "5", "9"}, {"2", "6"}, {"3", "7"}, {"4", "8"}}}));

TEST(SplitLines, NoPartIsRefusedInFrench)
{
    textfile::VectorLineSource source({"A"});
    const status::Status split = workshop::splitLines(source, {});
    EXPECT_FALSE(split.ok());
    EXPECT_EQ(split.why(), "une liste ne se divise pas en zéro partie");
}

TEST(SplitSuffixes, NameThePartsFromA)
{
    EXPECT_EQ(*workshop::splitSuffixes(2), (Lines{"_a.txt", "_b.txt"}));
    EXPECT_EQ(*workshop::splitSuffixes(5),
              (Lines{"_a.txt", "_b.txt", "_c.txt", "_d.txt", "_e.txt"}));
}

class SplitCounts : public ::testing::TestWithParam<int> {};

// A count out of 1 to 26 has no letters to name its parts.
TEST_P(SplitCounts, OutOfOneToTwentySixAreRefusedInFrench)
{
    const auto suffixes = workshop::splitSuffixes(GetParam());
    EXPECT_FALSE(suffixes.ok());
    EXPECT_EQ(suffixes.why(),
              "une liste se divise en 1 à 26 parties, pas en " + std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Counts, SplitCounts, ::testing::Values(-1, 0, 27));

}  // namespace
