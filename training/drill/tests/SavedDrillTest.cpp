#include <training/drill/Drill.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

using drill::Criterion;
using drill::Drill;
using drill::SavedDrill;

namespace {

// A drill of 40 entries after two series, some found under successes with threshold 2, then
// under speed: entries left, success counts, counters and clock are all under way.
Drill drillUnderWay()
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(40));
    testsupport::SeededRandomSource random(5);
    drill.drawSeries(random);
    auto answers = rightAnswers(drill);
    for (std::size_t slot = 10; slot < answers.size(); ++slot)
        answers[slot].clear();
    correct(drill, answers, Criterion::BySuccesses, 2);
    drill.drawSeries(random);
    answers = rightAnswers(drill);
    answers[0].clear();
    for (int tick = 0; tick < 75; ++tick)
        drill.tickDrill();
    correct(drill, answers, Criterion::BySpeed, 7);
    return drill;
}

}  // namespace

TEST(SavedDrillTest, ResumeGivesTheDrillAsItWasSaved)
{
    const Drill before = drillUnderWay();
    ASSERT_LT(before.state().entryCount, 40);
    ASSERT_GT(before.state().errorCount, 0);

    Drill after;
    ASSERT_TRUE(after.resume(listOf("7 lettres"), numberedEntries(40), before.saved()));
    const auto& was = before.state();
    const auto& is = after.state();
    EXPECT_EQ(is.entryCount, was.entryCount);
    EXPECT_EQ(std::vector<std::string>(is.draws.begin(), is.draws.begin() + is.entryCount),
              std::vector<std::string>(was.draws.begin(), was.draws.begin() + was.entryCount));
    EXPECT_EQ(is.solutions, was.solutions);
    EXPECT_EQ(is.successCount, was.successCount);
    EXPECT_EQ(is.listSize, 40);
    EXPECT_EQ(is.seriesDone, 2);
    EXPECT_EQ(is.errorCount, was.errorCount);
    EXPECT_EQ(is.totalSeconds, 75);
    // The counts were made under 2 successes; the later corrections by speed counted none.
    EXPECT_EQ(before.saved().criterion, Criterion::BySuccesses);
    EXPECT_EQ(before.saved().threshold, 2);
    EXPECT_EQ(after.saved().criterion, Criterion::BySuccesses);
    EXPECT_EQ(after.saved().threshold, 2);

    // The next series is drawn from the entries left only.
    testsupport::SeededRandomSource random(9);
    const auto draw = after.drawSeries(random);
    EXPECT_EQ(draw.seriesSize, std::min(30, was.entryCount));
    for (int slot = 0; slot < draw.seriesSize; ++slot)
        EXPECT_NE(std::find(was.draws.begin(), was.draws.begin() + was.entryCount,
                            draw.drawTexts[static_cast<std::size_t>(slot)]),
                  was.draws.begin() + was.entryCount);
}

// The criterion and threshold are the drill's own, the player's latest choice: the record's
// (by speed, 7 seconds) only say what its success counts were made under.
class ResumedCriterionTest : public testing::TestWithParam<std::pair<Criterion, double>> {};

TEST_P(ResumedCriterionTest, IsTheOneTheDrillHad)
{
    const auto [criterion, threshold] = GetParam();
    Drill drill;
    if (criterion != drill.state().criterion)
        drill.switchCriterion();
    drill.setThreshold(threshold);
    const SavedDrill saved = drillUnderWay().saved();
    ASSERT_TRUE(drill.resume(listOf("7 lettres"), numberedEntries(40), saved));
    EXPECT_EQ(drill.state().criterion, criterion);
    EXPECT_EQ(drill.state().threshold, threshold);
    EXPECT_EQ(drill.state().successCount, saved.successCount);
}

INSTANTIATE_TEST_SUITE_P(Criteria, ResumedCriterionTest,
                         testing::Values(std::make_pair(Criterion::BySuccesses, 1.0),
                                         std::make_pair(Criterion::BySuccesses, 3.0),
                                         std::make_pair(Criterion::BySpeed, 8.0),
                                         std::make_pair(Criterion::BySpeed, 2.5)));

// A record that was not made on this list is refused, and the drill is left as it was.
class RefusedRecordTest
    : public testing::TestWithParam<std::pair<const char*, std::function<void(SavedDrill&)>>> {};

TEST_P(RefusedRecordTest, LeavesTheDrillAsItWas)
{
    SavedDrill saved = drillUnderWay().saved();
    GetParam().second(saved);
    Drill drill;
    drill.start(listOf("5 lettres"), numberedEntries(3));
    EXPECT_FALSE(drill.resume(listOf("7 lettres"), numberedEntries(40), saved));
    EXPECT_EQ(drill.state().listTitle, "5 lettres");
    EXPECT_EQ(drill.state().entryCount, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RefusedRecordTest,
    testing::Values(
        std::make_pair("an entry the list lacks",
                       [](SavedDrill& s) { s.entries[0].solutions = "AUTRE"; }),
        std::make_pair("an entry twice that the list has once",
                       [](SavedDrill& s) { s.entries[1] = s.entries[0]; }),
        std::make_pair("more entries than the list",
                       [](SavedDrill& s) {
                           s.entries = numberedEntries(41);
                           s.successCount.assign(41, 0);
                       }),
        std::make_pair("no entry left",
                       [](SavedDrill& s) {
                           s.entries.clear();
                           s.successCount.clear();
                       }),
        std::make_pair("a success count missing", [](SavedDrill& s) { s.successCount.pop_back(); }),
        std::make_pair("a negative success count", [](SavedDrill& s) { s.successCount[0] = -1; }),
        std::make_pair("a negative error count", [](SavedDrill& s) { s.errorCount = -3; }),
        std::make_pair("a threshold that is no number",
                       [](SavedDrill& s) { s.threshold = std::nan(""); })),
    [](const auto& info) {
        std::string name = info.param.first;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });
