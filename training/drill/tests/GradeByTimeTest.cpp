#include <training/drill/Drill.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

using drill::Drill;
using drill::Verdict;

namespace {

// A drill with a 7-entry series open.
struct OpenSeries {
    OpenSeries()
    {
        drill.start(listOf("7 lettres"), numberedEntries(7));
        testsupport::SeededRandomSource random(3);
        drill.drawSeries(random);
    }
    std::string right(int slot) const
    {
        return "S" + std::to_string(drill.state().seriesEntry[static_cast<std::size_t>(slot)]);
    }
    Drill drill;
};

}  // namespace

struct GradeRow {
    int seconds;
    double threshold;
    bool rightAnswer;
    Verdict verdict;
    int slotState;
};

class GradeBySpeed : public testing::TestWithParam<GradeRow> {};

TEST_P(GradeBySpeed, NeedsTheRightAnswerInLessThanTheThreshold)
{
    const GradeRow row = GetParam();
    OpenSeries series;
    spendSeconds(series.drill, row.seconds);
    series.drill.setThreshold(row.threshold);
    const std::string answer = row.rightAnswer ? series.right(2) : series.right(2) + "X";
    EXPECT_EQ(series.drill.gradeByTime(2, answer), row.verdict);
    EXPECT_EQ(series.drill.state().slotState[2], row.slotState);
    EXPECT_EQ(series.drill.state().slotState[1], -1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GradeBySpeed,
    testing::Values(GradeRow{4, 5, true, Verdict::Ok, 1}, GradeRow{5, 5, true, Verdict::No, 0},
                    GradeRow{0, 5, false, Verdict::No, 0}, GradeRow{0, 0, true, Verdict::No, 0},
                    GradeRow{2, 2.5, true, Verdict::Ok, 1}, GradeRow{3, 2.5, true, Verdict::No, 0},
                    GradeRow{32767, 40000, true, Verdict::Ok, 1}));

TEST(GradeByTimeTest, OnceNoAlwaysNo)
{
    OpenSeries series;
    series.drill.setThreshold(5);
    spendSeconds(series.drill, 9);
    EXPECT_EQ(series.drill.gradeByTime(0, series.right(0)), Verdict::No);
    spendSeconds(series.drill, 1);
    EXPECT_EQ(series.drill.gradeByTime(0, series.right(0)), Verdict::Unchanged);
    EXPECT_EQ(series.drill.state().slotState[0], 0);
}

TEST(GradeByTimeTest, OkCanTurnToNo)
{
    OpenSeries series;
    series.drill.setThreshold(5);
    spendSeconds(series.drill, 1);
    EXPECT_EQ(series.drill.gradeByTime(0, series.right(0)), Verdict::Ok);
    EXPECT_EQ(series.drill.gradeByTime(0, ""), Verdict::No);
    EXPECT_EQ(series.drill.state().slotState[0], 0);
}

TEST(GradeByTimeTest, EmptyOrOutOfRangeSlotGradesNothing)
{
    OpenSeries series;  // slots 7 to 29 hold no entry
    series.drill.setThreshold(5);
    EXPECT_EQ(series.drill.gradeByTime(7, ""), Verdict::Unchanged);
    EXPECT_EQ(series.drill.gradeByTime(29, "S1"), Verdict::Unchanged);
    EXPECT_EQ(series.drill.gradeByTime(30, ""), Verdict::Unchanged);
    EXPECT_EQ(series.drill.gradeByTime(-1, ""), Verdict::Unchanged);
    EXPECT_EQ(series.drill.state().slotState[7], -1);
    EXPECT_EQ(series.drill.state().slotState[29], -1);
}

TEST(GradeByTimeTest, ComparisonIsExactAndCaseSensitive)
{
    Drill drill;
    drill.start(listOf("2 à 9 lettres"), {{"AEIMNRS", "MARINES SEMINAR"}});
    testsupport::SeededRandomSource random(1);
    drill.drawSeries(random);
    EXPECT_FALSE(drill.isAnswerRight(0, "SEMINAR MARINES"));
    EXPECT_FALSE(drill.isAnswerRight(0, "marines seminar"));
    EXPECT_FALSE(drill.isAnswerRight(0, "MARINES SEMINAR "));
    EXPECT_TRUE(drill.isAnswerRight(0, "MARINES SEMINAR"));
    EXPECT_FALSE(drill.isAnswerRight(1, ""));
}

TEST(GradeByTimeTest, AnswerStopwatchStopsAtItsMaximum)
{
    Drill drill;
    spendSeconds(drill, 32766);
    drill.tickAnswer();
    drill.tickAnswer();
    drill.tickAnswer();
    EXPECT_EQ(drill.state().answerSeconds, 32767);
    drill.resetAnswerClock();
    drill.tickAnswer();
    EXPECT_EQ(drill.state().answerSeconds, 1);
}
