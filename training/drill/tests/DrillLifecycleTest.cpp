#include <training/drill/Drill.h>
#include <training/drill/tests/DrillFixture.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

using drill::Criterion;
using drill::Drill;

TEST(DrillLifecycleTest, StartLoadsTablesAndZeroCounts)
{
    Drill drill;
    drill.start("7 lettres", numberedEntries(7));
    EXPECT_EQ(drill.state().listTitle, "7 lettres");
    EXPECT_EQ(drill.state().entryCount, 7);
    EXPECT_EQ(drill.state().errorCount, 0);
    EXPECT_EQ(drill.state().successCount, std::vector<std::string>(7, "0"));
    EXPECT_EQ(drill.state().solutions[6], "S6");
}

TEST(DrillLifecycleTest, ShorterDrillAfterALongerOneUsesOnlyItsOwnEntries)
{
    Drill drill;
    drill.start("8 lettres", numberedEntries(500));
    testsupport::SeededRandomSource random(21);
    for (int series = 0; series < 3; ++series) {
        const auto draw = drill.drawSeries(random);
        drill.correctSeries(correctionInput(draw, {}, Criterion::BySuccesses, 1));
    }
    ASSERT_EQ(drill.state().errorCount, 90);
    drill.leave();

    std::vector<drill::ListEntry> entries;
    for (int k = 0; k < 7; ++k)
        entries.push_back({"N" + std::to_string(k), "M" + std::to_string(k)});
    drill.start("7 lettres", entries);
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
    const auto draw = drill.drawSeries(random);
    const auto result =
        drill.correctSeries(correctionInput(draw, rightAnswers(drill), Criterion::BySuccesses, 1));
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.scoreText, "7/7");
    EXPECT_EQ(result.seriesDoneText, "1 série(s) déjà réalisée(s).");
}

TEST(DrillLifecycleTest, SeriesClockCountsDownAndExpiresAtZero)
{
    Drill drill;
    drill.start("7 lettres", numberedEntries(3));
    testsupport::SeededRandomSource random(1);
    drill.state().secondsLeft = 17;
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
    drill.state().totalSeconds = 35998;
    EXPECT_EQ(drill.tickDrill(), "9:59:59");
    EXPECT_EQ(drill.tickDrill(), "10:00:00");
    drill.state().secondsLeft = 12;
    drill.state().seriesDone = 4;
    drill.leave();
    EXPECT_EQ(drill.state().secondsLeft, 240);
    EXPECT_EQ(drill.state().totalSeconds, 0);
    EXPECT_EQ(drill.state().seriesDone, 0);
    EXPECT_EQ(drill.tickDrill(), "0:00:01");
}
