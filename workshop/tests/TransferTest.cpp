#include <workshop/ops/Transfer.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

namespace {

using listrun::Lines;

struct TransferCase {
    Lines input;
    Lines expected;
};

class TransferMarked : public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferMarked, KeepsOnlyLinesEndingInAStarWithoutIt)
{
    EXPECT_EQ(listrun::run(workshop::transferMarked, GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TransferMarked,
    ::testing::Values(TransferCase{{"ABAQUE*"}, {"ABAQUE"}}, TransferCase{{"AB**"}, {"AB*"}},
                      TransferCase{{"*"}, {""}}, TransferCase{{"AB*C"}, {}}, TransferCase{{""}, {}},
                      TransferCase{{}, {}},
                      TransferCase{{"ZEBRE*", "KIWI", "*A", "ABAQUE*"}, {"ZEBRE", "ABAQUE"}}));

}  // namespace
