#include <training/drill/ClockRandomSource.h>
#include <training/drill/Drill.h>
#include <training/drill/SeriesPicker.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/ScriptedRandomSource.h>
#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using drill::Drill;
using drill::SeriesPicker;
using testsupport::SeededRandomSource;

class SeriesSize : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(SeriesSize, FillsTheFirstSlotsWithDifferentEntries)
{
    const auto [entries, size] = GetParam();
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(entries));
    SeededRandomSource random(static_cast<std::uint32_t>(entries) + 11);
    const auto draw = drill.drawSeries(random);
    EXPECT_EQ(draw.seriesSize, size);
    EXPECT_EQ(drill.seriesSize(), size);
    EXPECT_EQ(draw.entriesLeftText, std::to_string(entries));
    std::set<std::int32_t> seen;
    for (int slot = 0; slot < drill::kSlots; ++slot) {
        const auto entry = drill.state().seriesEntry[static_cast<std::size_t>(slot)];
        EXPECT_EQ(drill.state().slotState[static_cast<std::size_t>(slot)], -1);
        if (slot >= size) {
            EXPECT_EQ(entry, -1) << slot;
            EXPECT_TRUE(draw.drawTexts[static_cast<std::size_t>(slot)].empty());
            continue;
        }
        ASSERT_GE(entry, 0);
        ASSERT_LT(entry, entries);
        EXPECT_TRUE(seen.insert(entry).second) << "entry " << entry << " twice";
        EXPECT_EQ(draw.drawTexts[static_cast<std::size_t>(slot)], "D" + std::to_string(entry));
    }
    EXPECT_EQ(drill.state().secondsLeft, 240);
}

INSTANTIATE_TEST_SUITE_P(Pools, SeriesSize,
                         testing::Values(std::make_tuple(0, 0), std::make_tuple(1, 1),
                                         std::make_tuple(7, 7), std::make_tuple(29, 29),
                                         std::make_tuple(30, 30), std::make_tuple(31, 30),
                                         std::make_tuple(500, 30)));

TEST(SeriesDrawTest, SevenEntriesAllComeInSomeOrder)
{
    SeededRandomSource random(5);
    for (int round = 0; round < 50; ++round) {
        auto picked = SeriesPicker::pick(7, random);
        std::sort(picked.begin(), picked.end());
        EXPECT_EQ(picked, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6}));
    }
}

TEST(SeriesDrawTest, PicksFromThePoolByScaledValueAndRemovesThePick)
{
    // pool 0..4: 0.5*5 -> index 2 (entry 2); pool 0,1,3,4: 0.99*4 -> index 3 (entry 4);
    // pool 0,1,3: 0 -> entry 0; pool 1,3: 0.5*2 -> index 1 (entry 3); pool 1: entry 1
    testsupport::ScriptedRandomSource random({0.5f, 0.99f, 0.0f, 0.5f, 0.75f});
    EXPECT_EQ(SeriesPicker::pick(5, random), (std::vector<std::int32_t>{2, 4, 0, 3, 1}));
}

TEST(SeriesDrawTest, StrayValuesStayInsideThePool)
{
    testsupport::ScriptedRandomSource random({1.0f, -0.5f, 7.0f});
    auto picked = SeriesPicker::pick(3, random);
    std::sort(picked.begin(), picked.end());
    EXPECT_EQ(picked, (std::vector<std::int32_t>{0, 1, 2}));
}

TEST(SeriesDrawTest, TwoSeriesFromThirtyOneEntriesShareAtLeastTwentyNine)
{
    SeededRandomSource random(2026);
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(31));
    for (int round = 0; round < 200; ++round) {
        drill.drawSeries(random);
        const std::set<std::int32_t> first(drill.state().seriesEntry.begin(),
                                           drill.state().seriesEntry.begin() + 30);
        drill.drawSeries(random);
        int shared = 0;
        for (int slot = 0; slot < 30; ++slot)
            shared += static_cast<int>(
                first.count(drill.state().seriesEntry[static_cast<std::size_t>(slot)]));
        EXPECT_GE(shared, 29);
        EXPECT_EQ(first.size(), 30u);
    }
}

TEST(SeriesDrawTest, EachEntryIsEquallyLikelyInEachSlot)
{
    // 40 entries, 12 000 series: counts per (slot, entry) and per entry overall
    // follow a uniform law. Chi-square with generous bounds (about 5 standard deviations).
    constexpr int kEntries = 40;
    constexpr int kSeries = 12000;
    SeededRandomSource random(7);
    std::vector<std::vector<int>> counts(30, std::vector<int>(kEntries, 0));
    for (int round = 0; round < kSeries; ++round) {
        const auto picked = SeriesPicker::pick(kEntries, random);
        ASSERT_EQ(picked.size(), 30u);
        for (std::size_t slot = 0; slot < picked.size(); ++slot)
            ++counts[slot][static_cast<std::size_t>(picked[slot])];
    }
    const double expected = static_cast<double>(kSeries) / kEntries;
    double total = 0;
    for (const auto& slotCounts : counts) {
        double chi = 0;
        for (int count : slotCounts)
            chi += (count - expected) * (count - expected) / expected;
        EXPECT_LT(chi, 39 + 5 * std::sqrt(2.0 * 39));  // 39 degrees of freedom
        total += chi;
    }
    EXPECT_LT(total, 30 * 39 + 5 * std::sqrt(2.0 * 30 * 39));
    EXPECT_GT(total, 30 * 39 - 5 * std::sqrt(2.0 * 30 * 39));  // not suspiciously regular either
}

TEST(SeriesDrawTest, ClockSourceGivesValuesBelowOne)
{
    drill::ClockRandomSource random;
    random.reseedFrom(86399.999999);
    for (int k = 0; k < 10000; ++k) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
    }
    EXPECT_LT(drill::RandomSource::unitFloat(0xFFFFFFFFu), 1.0f);
}

TEST(SeriesDrawTest, ClockSourceFollowsTheTimeOfDay)
{
    drill::ClockRandomSource a;
    drill::ClockRandomSource b;
    a.reseedFrom(3600.25);
    b.reseedFrom(3600.25);
    EXPECT_EQ(a.next(), b.next());
    b.reseedFrom(3600.26);  // the fraction of a second matters
    a.reseedFrom(3600.25);
    EXPECT_NE(a.next(), b.next());
    const double now = drill::ClockRandomSource::secondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86401.0);
}
