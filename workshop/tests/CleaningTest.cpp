#include <workshop/ops/Cleaning.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

namespace {

using listrun::Lines;

struct RepeatCase {
    Lines input;
    Lines expected;
    int removed;
};

class RemoveRepeatedLines : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RemoveRepeatedLines, DropsLinesEqualToTheOneBefore)
{
    int removed = -1;
    const Lines written = listrun::run(
        [&removed](auto& source, auto& sink) {
            removed = workshop::removeRepeatedLines(source, sink);
        },
        GetParam().input);
    EXPECT_EQ(written, GetParam().expected);
    EXPECT_EQ(removed, GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RemoveRepeatedLines,
    ::testing::Values(RepeatCase{{"A", "A", "B", "A"}, {"A", "B", "A"}, 1},
                      RepeatCase{{"", "A"}, {"A"}, 1},  // the first line meets the empty text
                      RepeatCase{{"", "", "A", ""}, {"A", ""}, 2}, RepeatCase{{}, {}, 0},
                      RepeatCase{{"a", "A"}, {"a", "A"}, 0},
                      RepeatCase{{"A;X", "A;X", "A;X", "B;X"}, {"A;X", "B;X"}, 2}));

struct TailCase {
    Lines input;
    Lines expected;
};

class RemoveSameSolutions : public ::testing::TestWithParam<TailCase> {};

TEST_P(RemoveSameSolutions, DropsLinesWhoseSolutionsRepeatTheLineBefore)
{
    EXPECT_EQ(listrun::run(workshop::removeSameSolutions, GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RemoveSameSolutions,
    ::testing::Values(TailCase{{"AEIRST;ARETES", "AEERST;ARETES"}, {"AEIRST;ARETES"}},
                      TailCase{{"A;X;Y", "B;X;Y", "C;X"}, {"A;X;Y", "C;X"}},
                      TailCase{{"A;X", "B;Y", "C;X"}, {"A;X", "B;Y", "C;X"}},  // only neighbours
                      TailCase{{"A;", "B;"},
                               {"A;"}},  // an empty tail is still ";", never the empty text
                      TailCase{{""}, {""}},
                      // Lines without ";" are bare words, compared as solutions parts.
                      TailCase{{"ZEBRE", "ZEBRE", "ZEBRES"}, {"ZEBRE", "ZEBRES"}},
                      TailCase{{"BEERZ;ZEBRE", "ZEBRE", "KIWI"}, {"BEERZ;ZEBRE", "KIWI"}},
                      TailCase{{}, {}}));

}  // namespace
