#include <training/drill/Drill.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

using drill::Criterion;
using drill::Drill;

TEST(DrillLifecycleTest, StartLoadsTablesAndZeroCounts)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(7));
    EXPECT_EQ(drill.state().listTitle, "7 lettres");
    EXPECT_FALSE(drill.state().extensionList);
    EXPECT_EQ(drill.state().entryCount, 7);
    EXPECT_EQ(drill.state().errorCount, 0);
    EXPECT_EQ(drill.state().successCount, std::vector<std::int32_t>(7, 0));
    EXPECT_EQ(drill.state().solutions[6], "S6");
}

TEST(DrillLifecycleTest, ShorterDrillAfterALongerOneUsesOnlyItsOwnEntries)
{
    Drill drill;
    drill.start(listOf("8 lettres"), numberedEntries(500));
    testsupport::SeededRandomSource random(21);
    for (int series = 0; series < 3; ++series) {
        drill.drawSeries(random);
        correct(drill, {}, Criterion::BySuccesses, 1);
    }
    ASSERT_EQ(drill.state().errorCount, 90);
    drill.leave();

    std::vector<drill::ListEntry> entries;
    for (int k = 0; k < 7; ++k)
        entries.push_back({"N" + std::to_string(k), "M" + std::to_string(k)});
    drill.start(listOf("7 lettres"), entries);
    EXPECT_EQ(drill.state().errorCount, 0);
    EXPECT_EQ(drill.state().seriesDone, 0);
    for (int round = 0; round < 20; ++round) {
        const auto draw = drill.drawSeries(random);
        ASSERT_EQ(draw.seriesSize, 7);
        for (int slot = 0; slot < 7; ++slot) {
            EXPECT_LT(drill.state().seriesEntry[static_cast<std::size_t>(slot)], 7);
            EXPECT_EQ(draw.drawTexts[static_cast<std::size_t>(slot)][0], 'N');
        }
    }
    drill.drawSeries(random);
    const auto result = correct(drill, rightAnswers(drill), Criterion::BySuccesses, 1);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.scoreText, "7/7");
    EXPECT_EQ(result.seriesDoneText, "1 série(s) déjà réalisée(s).");
}

TEST(DrillLifecycleTest, SeriesClockCountsDownAndExpiresAtZero)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(3));
    testsupport::SeededRandomSource random(1);
    for (int tick = 0; tick < drill::kSeriesSeconds - 17; ++tick)
        drill.tickSeries();
    drill.drawSeries(random);
    auto tick = drill.tickSeries();
    EXPECT_EQ(tick.text, "3:59");
    EXPECT_FALSE(tick.expired);
    for (int k = 0; k < 238; ++k)
        tick = drill.tickSeries();
    EXPECT_EQ(tick.text, "0:01");
    EXPECT_FALSE(tick.expired);
    tick = drill.tickSeries();
    EXPECT_EQ(tick.text, "0:00");
    EXPECT_TRUE(tick.expired);
}

TEST(DrillLifecycleTest, DrillClockRunsPastTenHoursAndLeavingResets)
{
    Drill drill;
    for (int tick = 0; tick < 35998; ++tick)
        drill.tickDrill();
    EXPECT_EQ(drill.tickDrill(), "9:59:59");
    EXPECT_EQ(drill.tickDrill(), "10:00:00");
    testsupport::SeededRandomSource random(1);
    for (int series = 0; series < 4; ++series) {
        drill.drawSeries(random);
        drill.correctSeries({});
    }
    for (int tick = 0; tick < 12; ++tick)
        drill.tickSeries();
    ASSERT_EQ(drill.state().seriesDone, 4);
    drill.leave();
    EXPECT_EQ(drill.state().secondsLeft, 240);
    EXPECT_EQ(drill.state().totalSeconds, 0);
    EXPECT_EQ(drill.state().seriesDone, 0);
    EXPECT_EQ(drill.tickDrill(), "0:00:01");
}

// The drill says where a series stands; the window enables its buttons from it.
TEST(DrillLifecycleTest, SeriesPhasesFromDrawToFinish)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(2));
    testsupport::SeededRandomSource random(5);
    EXPECT_FALSE(drill.seriesOpen() || drill.canDrawSeries() || drill.isFinished());
    drill.drawSeries(random);
    EXPECT_TRUE(drill.seriesOpen());
    EXPECT_FALSE(drill.canDrawSeries());
    auto answers = rightAnswers(drill);
    answers[1].clear();
    correct(drill, answers, Criterion::BySuccesses, 1);
    EXPECT_FALSE(drill.seriesOpen());
    EXPECT_TRUE(drill.canDrawSeries());
    drill.leave();  // leaving keeps the phase: the next start draws anyway
    EXPECT_TRUE(drill.canDrawSeries());
    drill.drawSeries(random);
    drill.correctSeries(rightAnswers(drill));
    EXPECT_TRUE(drill.isFinished());
    EXPECT_FALSE(drill.seriesOpen() || drill.canDrawSeries());
}

TEST(DrillLifecycleTest, CriterionSwitchesWithItsOwnThresholdAndPauseToggles)
{
    Drill drill;
    EXPECT_EQ(drill.state().criterion, Criterion::BySuccesses);
    EXPECT_EQ(drill.state().threshold, 1);
    drill.setThreshold(3);
    drill.switchCriterion();
    EXPECT_EQ(drill.state().criterion, Criterion::BySpeed);
    EXPECT_EQ(drill.state().threshold, 5);  // the typed 3 gives way to the default
    drill.switchCriterion();
    EXPECT_EQ(drill.state().criterion, Criterion::BySuccesses);
    EXPECT_EQ(drill.state().threshold, 1);
    EXPECT_FALSE(drill.state().paused);
    drill.togglePause();
    EXPECT_TRUE(drill.state().paused);
    drill.start(listOf("5 lettres"), numberedEntries(1));  // a new drill keeps the options
    EXPECT_TRUE(drill.state().paused);
    drill.togglePause();
    EXPECT_FALSE(drill.state().paused);
}

TEST(DrillLifecycleTest, SeriesCountStopsAtItsMaximum)
{
    Drill drill;
    testsupport::SeededRandomSource random(1);
    for (int series = 0; series < 32768; ++series) {
        drill.drawSeries(random);
        drill.correctSeries({});
    }
    EXPECT_EQ(drill.state().seriesDone, 32767);
    drill.drawSeries(random);
    EXPECT_EQ(drill.correctSeries({}).seriesDoneText, "32767 série(s) déjà réalisée(s).");
}
