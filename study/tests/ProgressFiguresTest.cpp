// The player's figures read from a record the test fills: lists, days, the deck and the draws
// missed most, at a clock the test moves.
#include <study/ProgressBook.h>
#include <study/ProgressFigures.h>
#include <study/StudyRecord.h>

#include <study/LocalDay.h>
#include <study/tests/LocalZone.h>
#include <study/tests/StudyTestClock.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

using study::DeckDraw;
using study::SeriesOrigin;
using study::SlotAnswer;

namespace {

DeckDraw entry(const std::string& list, int k)
{
    return {list, "D" + std::to_string(k), "S" + std::to_string(k)};
}

SlotAnswer found(const DeckDraw& draw, int seconds = 4)
{
    return {draw, true, seconds};
}

SlotAnswer missed(const DeckDraw& draw, int seconds = 9)
{
    return {draw, false, seconds};
}

class ProgressFiguresTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(record.open(home.file("etude.sqlite")).ok()); }

    void series(const std::vector<SlotAnswer>& answers, const SeriesOrigin& origin)
    {
        const status::Status kept = record.recordSeries(answers, origin);
        ASSERT_TRUE(kept.ok()) << kept.why();
    }
    template <typename T> T read(status::Result<T> result)
    {
        EXPECT_TRUE(result.ok()) << result.why();
        return result.ok() ? *result : T();
    }
    study::ListFigures listNamed(const std::string& name)
    {
        for (const study::ListFigures& list : read(figures.lists()))
            if (list.list == name)
                return list;
        ADD_FAILURE() << "no figures for " << name;
        return {};
    }

    study::tests::LocalZone zone{"Europe/Paris"};
    testsupport::TempFolder home;
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
    study::ProgressFigures figures{record};
    const DeckDraw a1 = entry("a.txt", 1), a2 = entry("a.txt", 2), a3 = entry("a.txt", 3);
    const DeckDraw b1 = entry("b.txt", 1);
};

TEST_F(ProgressFiguresTest, EachListAddsUpItsDrillsAndEveryAnswerOnItsDraws)
{
    series({found(a1), missed(a2), missed(a3)}, {"a.txt", 60, false});
    clock.now += 3600;
    const std::int64_t lastSeriesOfA = clock.now;
    series({found(a2), missed(a3)}, {"a.txt", 40, false});
    clock.days(1);
    series({found(a2), missed(a3)}, {});  // the review: a's draws, no list drilled
    clock.days(1);
    series({found(b1)}, {"b.txt", 30, true});
    series({found(b1)}, {"b.txt", 25, true});  // drilled again, finished again

    const study::ListFigures a = listNamed("a.txt");
    const study::ListFigures b = listNamed("b.txt");
    struct Row {
        const char* what;
        std::int64_t seen, expected;
    };
    const Row rows[] = {
        {"a: series of its drills", a.series, 2},
        {"a: drill clock", a.seconds, 100},
        {"a: answers, review included", a.answers, 7},
        {"a: found", a.found, 3},
        {"a: last drilled", a.lastDrilled, lastSeriesOfA},
        {"a: drills finished", a.drillsFinished, 0},
        {"a: mastered of 5", a.mastered(5), 0},
        {"b: series", b.series, 2},
        {"b: drill clock", b.seconds, 55},
        {"b: answers", b.answers, 2},
        {"b: drills finished", b.drillsFinished, 2},
        {"b: mastered of 12, once finished", b.mastered(12), 12},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.seen, row.expected) << row.what;
    EXPECT_EQ(read(figures.lists()).size(), 2u);
}

TEST_F(ProgressFiguresTest, TheDrillUnderWayCountsItsEliminatedEntriesAsMastered)
{
    series({found(b1)}, {"b.txt", 30, true});
    drill::SavedDrill saved;
    saved.listSize = 8;
    saved.entries = {{"D1", "S1"}, {"D2", "S2"}, {"D3", "S3"}};
    saved.successCount = {0, 1, 0};
    study::ProgressBook book(record);
    ASSERT_TRUE(book.saveWhole("b.txt", "Liste B", {"b.txt", 10, "00"}, saved).ok());

    const study::ListFigures b = listNamed("b.txt");
    EXPECT_TRUE(b.underWay);
    EXPECT_EQ(b.drillSize, 8);
    EXPECT_EQ(b.remaining, 3);
    EXPECT_EQ(b.mastered(8), 5) << "the new drill's, not the finished one's";
}

TEST_F(ProgressFiguresTest, DaysAreTheLocalDaysTodayLastWithTheirAnswersAndClock)
{
    clock.days(-5);
    series({found(a1), missed(a2)}, {"a.txt", 50, false});
    clock.now = study::localDayStart(clock.now) + 23 * 3600 + 3599;  // the day's last second
    series({found(a3)}, {"a.txt", 10, false});
    clock.days(5);
    clock.now = study::localDayStart(clock.now);  // today's first second
    series({missed(a1), missed(a2)}, {});

    const std::vector<study::DayFigures> days = read(figures.days(90));
    ASSERT_EQ(days.size(), 90u);
    EXPECT_EQ(days.back().start, study::localDayStart(clock.now));
    for (std::size_t k = 1; k < days.size(); ++k)
        ASSERT_EQ(days[k].start, study::nextLocalDayStart(days[k - 1].start)) << k;
    const study::DayFigures& fiveDaysAgo = days[days.size() - 6];
    EXPECT_EQ(fiveDaysAgo.answers, 3);
    EXPECT_EQ(fiveDaysAgo.found, 2);
    EXPECT_EQ(fiveDaysAgo.seconds, 60);
    EXPECT_EQ(days.back().answers, 2);
    EXPECT_EQ(days.back().found, 0);
    EXPECT_EQ(days.back().seconds, 18) << "the review's slots' seconds when no clock is given";
    const std::int64_t all = std::accumulate(
        days.begin(), days.end(), std::int64_t(0),
        [](std::int64_t sum, const study::DayFigures& day) { return sum + day.answers; });
    EXPECT_EQ(all, 5);
}

TEST_F(ProgressFiguresTest, EachDayOfTheDeckChartHoldsTheDrawsTheRecordWillSayAreDueThatDay)
{
    std::vector<SlotAnswer> first, again;
    for (int k = 0; k < 40; ++k)
        first.push_back(missed(entry("c.txt", k)));
    series(first, {"c.txt", 100, false});
    // Found at different times, so that they come back on different days.
    for (int day = 0; day < 6; ++day) {
        std::vector<SlotAnswer> review;
        for (int k = day; k < 40; k += 6)
            review.push_back(found(entry("c.txt", k)));
        series(review, {});
        clock.days(1);
    }
    const study::DeckFigures deck = read(figures.deck(30));
    ASSERT_EQ(deck.duePerDay.size(), 30u);
    EXPECT_EQ(deck.draws, 40);
    EXPECT_EQ(deck.dueToday, deck.duePerDay[0]);
    EXPECT_EQ(deck.dueWeek,
              std::accumulate(deck.duePerDay.begin(), deck.duePerDay.begin() + 7, std::int64_t(0)));
    // The record's own count of what is due, day after day, nothing reviewed meanwhile.
    std::int64_t dueBefore = 0;
    for (int day = 0; day < 30; ++day) {
        const std::int64_t dueNow = read(record.dueCounts()).today;
        EXPECT_EQ(deck.duePerDay[day], dueNow - dueBefore) << "day " << day;
        dueBefore = dueNow;
        clock.days(1);
    }
    EXPECT_GT(dueBefore, 0);
}

TEST_F(ProgressFiguresTest, RetentionCountsTheReviewsOfTheLastThirtyDaysOnly)
{
    series({missed(a1), missed(a2), missed(a3)}, {"a.txt", 10, false});
    series({found(a1), found(a2), found(a3)}, {});  // 30 days before today: not counted
    clock.days(30);
    series({found(a1), missed(a2)}, {});
    series({found(a3), missed(b1)}, {"a.txt", 10, false});  // a drill, not a review
    record.setPolicy({0.85, 20});

    const study::DeckFigures deck = read(figures.deck());
    EXPECT_EQ(deck.reviewed, 2);
    EXPECT_EQ(deck.foundInReview, 1);
    EXPECT_DOUBLE_EQ(deck.desiredRetention, 0.85);
}

TEST_F(ProgressFiguresTest, ADrawIsKnownAfterThreeFindsInARowUntilMissedOrCountedAsMissed)
{
    struct Row {
        const char* what;
        std::vector<bool> answers;
        bool countedAsMissed;
        bool known;
    };
    const Row rows[] = {
        {"missed then found thrice", {false, true, true, true}, false, true},
        {"missed then found twice", {false, true, true}, false, false},
        {"found thrice then missed", {false, true, true, true, false}, false, false},
        {"found thrice, the last counted as missed", {false, true, true, true}, true, false},
    };
    std::int64_t known = 0;
    for (std::size_t r = 0; r < std::size(rows); ++r) {
        const DeckDraw draw = entry("k.txt", static_cast<int>(r));
        for (const bool answer : rows[r].answers) {
            series({{draw, answer, 3}}, {});
            clock.now += 60;
        }
        if (rows[r].countedAsMissed) {
            ASSERT_TRUE(record.countAsMissed(draw).ok());
        }
        const study::DeckFigures deck = read(figures.deck());
        EXPECT_EQ(deck.known - known, rows[r].known ? 1 : 0) << rows[r].what;
        known = deck.known;
    }
}

TEST_F(ProgressFiguresTest, TheDrawsMissedMostComeFirstTheLastMissedFirstAmongEquals)
{
    series({missed(a1), missed(a2), missed(a3), found(b1)}, {"a.txt", 10, false});
    clock.now += 60;
    series({found(a1), found(a2), missed(a3)}, {});
    clock.now += 60;
    const std::int64_t lastMiss = clock.now;
    series({missed(a2), found(a3)}, {});

    const std::vector<study::MissedDraw> most = read(figures.mostMissed(50));
    ASSERT_EQ(most.size(), 3u) << "b1, never missed, is not among them";
    EXPECT_EQ(most[0].draw, a2) << "missed twice, last";
    EXPECT_EQ(most[0].missed, 2);
    EXPECT_EQ(most[0].seen, 3);
    EXPECT_EQ(most[0].lastMissed, lastMiss);
    EXPECT_EQ(most[1].draw, a3);
    EXPECT_EQ(most[1].seen, 3);
    EXPECT_EQ(most[2].draw, a1);
    EXPECT_EQ(most[2].missed, 1);
    EXPECT_EQ(read(figures.mostMissed(2)).size(), 2u);
}

TEST(ProgressFiguresClosed, EveryFigureSaysTheRecordIsNotOpen)
{
    study::StudyRecord record;
    study::ProgressFigures figures(record);
    EXPECT_FALSE(figures.lists().ok());
    EXPECT_FALSE(figures.deck().ok());
    EXPECT_FALSE(figures.days().ok());
    EXPECT_FALSE(figures.mostMissed().ok());
    EXPECT_NE(figures.lists().why().find("relevé d'étude"), std::string::npos);
}

}  // namespace
