// The review deck as the study record keeps it: what enters it, when it comes back, the lists
// learned a little each day, and a slow find counted as missed.
#include <study/StudyRecord.h>

#include <study/LocalDay.h>
#include <study/tests/RecordRows.h>
#include <study/tests/StudyTestClock.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using study::DeckDraw;
using study::SlotAnswer;

namespace {

const DeckDraw kAutrice{"ods6new_7L.txt", "ACEIRTU", "AUTRICE"};
const DeckDraw kEtape{"ods6new_5L.txt", "\xC9TAPE", "P\xC9TALE;\xC9PELAT"};

SlotAnswer missed(const DeckDraw& draw, int seconds = 12)
{
    return {draw, false, seconds};
}

SlotAnswer found(const DeckDraw& draw, int seconds = 3)
{
    return {draw, true, seconds};
}

std::vector<DeckDraw> entries(const std::string& list, int count)
{
    std::vector<DeckDraw> made;
    for (int k = 0; k < count; ++k)
        made.push_back({list, "D" + std::to_string(1000 + k), "S" + std::to_string(1000 + k)});
    return made;
}

class StudyRecordTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(record.open(path).ok()); }

    std::vector<DeckDraw> due(int limit = 30)
    {
        const auto draws = record.dueDraws(limit);
        EXPECT_TRUE(draws.ok()) << draws.why();
        return draws.ok() ? *draws : std::vector<DeckDraw>();
    }
    study::DueCounts counts()
    {
        const auto counted = record.dueCounts();
        EXPECT_TRUE(counted.ok()) << counted.why();
        return counted.ok() ? *counted : study::DueCounts{-1, -1};
    }
    void correct(const std::vector<SlotAnswer>& answers)
    {
        const status::Status kept = record.recordCorrection(answers);
        ASSERT_TRUE(kept.ok()) << kept.why();
    }
    // The local days from today until `draw` is due again (0: due today).
    int daysUntilDue(const DeckDraw& draw)
    {
        const std::int64_t start = clock.now;
        for (int day = 0; day < 400; ++day, clock.days(1)) {
            const std::vector<DeckDraw> now = due(1000);
            if (std::find(now.begin(), now.end(), draw) != now.end()) {
                clock.now = start;
                return day;
            }
        }
        clock.now = start;
        return -1;
    }

    testsupport::TempFolder home;
    std::string path = home.file("vorlane/etude.sqlite");
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
};

}  // namespace

// A draw missed comes back the same day until found, then at growing intervals.
TEST_F(StudyRecordTest, AMissedDrawComesBackTodayUntilFoundThenAtGrowingIntervals)
{
    EXPECT_TRUE(due().empty());
    correct({missed(kAutrice)});
    EXPECT_EQ(due(), std::vector<DeckDraw>{kAutrice});
    EXPECT_EQ(counts().today, 1);
    correct({missed(kAutrice)});  // missed again: still due today
    EXPECT_EQ(daysUntilDue(kAutrice), 0);

    std::vector<int> intervals;
    for (int review = 0; review < 5; ++review) {
        correct({found(kAutrice)});
        intervals.push_back(daysUntilDue(kAutrice));
        EXPECT_GE(intervals.back(), intervals.size() > 1 ? intervals[intervals.size() - 2] : 1)
            << "review " << review;
        EXPECT_EQ(counts().today, 0);
        clock.days(intervals.back());
        EXPECT_EQ(counts().today, 1);
    }
    EXPECT_GT(intervals.back(), 2 * intervals.front());
}

// What enters the deck: only a missed draw, with its own list and solutions; two draws with
// the same solutions are two draws of the deck; a draw found without ever being missed is
// kept in the history only.
TEST_F(StudyRecordTest, OnlyMissedDrawsEnterTheDeckEachWithItsListAndSolutions)
{
    const DeckDraw sameSolutions{"ods6new_7L.txt", "ACEIRTU+", "AUTRICE"};
    const DeckDraw otherList{"ods6new_8L.txt", "ACEIRTU", "AUTRICE"};
    const DeckDraw foundOnly{"ods6new_7L.txt", "EIMNORS", "MINORES"};
    correct({missed(kAutrice), missed(sameSolutions), missed(otherList), found(foundOnly),
             missed(kEtape)});
    std::vector<DeckDraw> now = due();
    EXPECT_EQ(now.size(), 4u);
    for (const DeckDraw& draw : {kAutrice, sameSolutions, otherList, kEtape})
        EXPECT_NE(std::find(now.begin(), now.end(), draw), now.end()) << draw.draw;
    EXPECT_EQ(counts().today, 4);

    RecordRows rows(path);
    EXPECT_EQ(rows.number("SELECT count(*) FROM answer"), 5);
    EXPECT_EQ(rows.number("SELECT sum(seconds) FROM answer"), 12 * 4 + 3);
    EXPECT_EQ(rows.number("SELECT count(*) FROM correction"), 1);
    EXPECT_EQ(rows.number("SELECT count(*) FROM deck_draw"), 5);
}

TEST_F(StudyRecordTest, AtMostTheLimitComesSoonestFirst)
{
    correct({missed(kAutrice)});
    clock.now += 60;
    correct({missed(kEtape)});
    EXPECT_EQ(due(1), std::vector<DeckDraw>{kAutrice});
    EXPECT_EQ(due(0), std::vector<DeckDraw>{});
}

// Counted as missed after the correction found it: scheduled exactly as if it had been
// missed, while the answer kept says found.
TEST_F(StudyRecordTest, ASlowFindCountedAsMissedIsScheduledAsIfMissed)
{
    const DeckDraw slow = kAutrice;
    const DeckDraw missedOne{"ods6new_7L.txt", "EIMNORS", "MINORES"};
    correct({missed(slow), missed(missedOne)});
    clock.days(1);
    correct({found(slow), missed(missedOne)});
    ASSERT_TRUE(record.countAsMissed(slow).ok());

    RecordRows rows(path);
    const std::string schedule = "SELECT printf('%.9f %.9f %d %d %d %d %d', stability, "
                                 "difficulty, last_review, due, reviews, lapses, place) "
                                 "FROM deck_draw WHERE CAST(draw AS TEXT) = ";
    EXPECT_EQ(rows.text(schedule + "'ACEIRTU'"), rows.text(schedule + "'EIMNORS'"));
    EXPECT_EQ(
        rows.number(
            "SELECT found FROM answer WHERE id = (SELECT max(answer.id) FROM "
            "answer JOIN deck_draw d ON d.id = answer.draw AND d.draw = CAST('ACEIRTU' AS BLOB))"),
        1);
    EXPECT_EQ(daysUntilDue(slow), 0);
}

// Found in a list's drill without ever being missed, then counted as missed: it enters.
TEST_F(StudyRecordTest, ASlowFindOutsideTheDeckEntersIt)
{
    correct({found(kEtape)});
    EXPECT_TRUE(due().empty());
    ASSERT_TRUE(record.countAsMissed(kEtape).ok());
    EXPECT_EQ(due(), std::vector<DeckDraw>{kEtape});
}

// A list learned a little each day: at most the day's new draws enter, in the list's order.
TEST_F(StudyRecordTest, ALearnedListEntersAtMostTheNewDrawsOfADayInItsOrder)
{
    const std::vector<DeckDraw> list = entries("ods6new_6L.txt", 120);
    ASSERT_TRUE(record.learnList("ods6new_6L.txt", list).ok());
    EXPECT_TRUE(*record.isLearning("ods6new_6L.txt"));
    EXPECT_FALSE(*record.isLearning("ods6new_7L.txt"));
    EXPECT_EQ(counts().today, 50);
    EXPECT_EQ(counts().tomorrow, 50);

    const std::vector<DeckDraw> first = due(30);
    EXPECT_EQ(first, std::vector<DeckDraw>(list.begin(), list.begin() + 30));
    std::vector<SlotAnswer> answers;
    for (const DeckDraw& draw : first)
        answers.push_back(draw.draw == "D1003" ? missed(draw) : found(draw));
    correct(answers);
    // 30 of the day's 50 entered; the missed one is due again.
    EXPECT_EQ(counts().today, 20 + 1);
    std::vector<DeckDraw> next = due(30);
    ASSERT_EQ(next.size(), 21u);
    EXPECT_EQ(next[0], list[3]);
    EXPECT_EQ(next[1], list[30]);
    EXPECT_EQ(next.back(), list[49]);

    clock.days(1);
    const std::vector<DeckDraw> tomorrow = due(100);
    EXPECT_NE(std::find(tomorrow.begin(), tomorrow.end(), list[30]), tomorrow.end());
    EXPECT_EQ(std::find(tomorrow.begin(), tomorrow.end(), list[80]), tomorrow.end());
}

TEST_F(StudyRecordTest, NewDrawsOfADayFollowThePolicy)
{
    record.setPolicy({0.9, 7});
    ASSERT_TRUE(record.learnList("ods6new_6L.txt", entries("ods6new_6L.txt", 10)).ok());
    EXPECT_EQ(counts().today, 7);
    EXPECT_EQ(counts().tomorrow, 3);
    record.setPolicy({0.9, 0});
    EXPECT_EQ(counts().today, 0);
}

// Stopped: the list's draws leave the review, their answers stay; learned again (its file made
// again with the same lines), each draw takes up its history where it was.
TEST_F(StudyRecordTest, AListStoppedLeavesTheReviewAndKeepsItsHistory)
{
    const std::vector<DeckDraw> list = entries("ods6new_6L.txt", 5);
    ASSERT_TRUE(record.learnList("ods6new_6L.txt", list).ok());
    correct({missed(list[0]), found(list[1]), missed(kEtape)});
    ASSERT_TRUE(record.stopLearning("ods6new_6L.txt").ok());
    EXPECT_FALSE(*record.isLearning("ods6new_6L.txt"));
    EXPECT_EQ(due(), std::vector<DeckDraw>{kEtape});
    RecordRows rows(path);
    EXPECT_EQ(rows.number("SELECT count(*) FROM answer"), 3);

    const std::string reviews = "SELECT reviews FROM deck_draw WHERE CAST(draw AS TEXT) = 'D1001'";
    EXPECT_EQ(rows.number(reviews), 1);
    ASSERT_TRUE(record.learnList("ods6new_6L.txt", list).ok());
    EXPECT_EQ(rows.number(reviews), 1);
    const std::vector<DeckDraw> back = due(30);
    EXPECT_EQ(back.size(), 1u + 5u);  // kEtape, then the five again as new draws
}

TEST_F(StudyRecordTest, ThePolicyIsKeptForTheNextRun)
{
    EXPECT_EQ(record.policy().desiredRetention, 0.90);
    EXPECT_EQ(record.policy().newPerDay, 50);
    record.setPolicy({0.85, 12});
    study::StudyRecord next(clock.clock());
    ASSERT_TRUE(next.open(path).ok());
    EXPECT_EQ(next.policy().desiredRetention, 0.85);
    EXPECT_EQ(next.policy().newPerDay, 12);
}

// A higher retention brings a found draw back sooner.
TEST_F(StudyRecordTest, TheRetentionSetsTheIntervals)
{
    std::vector<int> intervals;
    for (const double retention : {0.80, 0.90, 0.97}) {
        record.setPolicy({retention, 50});
        const DeckDraw draw{"ods6new_7L.txt", "R" + std::to_string(retention), "S"};
        correct({missed(draw)});
        clock.days(1);
        correct({found(draw)});
        clock.days(1);
        correct({found(draw)});
        intervals.push_back(daysUntilDue(draw));
    }
    EXPECT_GT(intervals[0], intervals[1]);
    EXPECT_GT(intervals[1], intervals[2]);
}
