// The drill under way on each list, in the study record: written whole once, then only what a
// correction changed; two programs on one list add up.
#include <study/ProgressBook.h>
#include <study/StudyRecord.h>

#include <study/tests/StudyTestClock.h>
#include <testsupport/TempFolder.h>
#include <training/drill/Threshold.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using study::KeptProgress;
using study::ProgressBook;
using study::ProgressChange;

namespace {

const std::string kList = "ods6new_7L.txt";
const study::ListFile kFile{"/données/ods6new_7L.txt", 27, "ab12"};

drill::SavedDrill fiveLeft()
{
    drill::SavedDrill saved;
    for (int k = 0; k < 5; ++k)
        saved.entries.push_back({"D" + std::to_string(k), "S" + std::to_string(k)});
    saved.successCount = {0, 1, 0, 2, 0};
    saved.listSize = 9;
    saved.seriesDone = 2;
    saved.errorCount = 6;
    saved.totalSeconds = 300;
    return saved;
}

class ProgressBookTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(record.open(path).ok()); }

    KeptProgress found(ProgressBook& from)
    {
        const auto kept = from.find(kList);
        EXPECT_TRUE(kept.ok() && kept->has_value()) << kept.why();
        return kept.ok() && kept->has_value() ? **kept : KeptProgress();
    }
    std::int64_t saveWhole(const drill::SavedDrill& saved)
    {
        const auto generation = book.saveWhole(kList, "7 lettres", kFile, saved);
        EXPECT_TRUE(generation.ok()) << generation.why();
        return generation.ok() ? *generation : 0;
    }

    testsupport::TempFolder home;
    std::string path = home.file("etude.sqlite");
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
    ProgressBook book{record};
};

std::vector<std::string> draws(const KeptProgress& kept)
{
    std::vector<std::string> made;
    for (const drill::ListEntry& entry : kept.saved.entries)
        made.push_back(entry.draw);
    return made;
}

}  // namespace

TEST_F(ProgressBookTest, AWholeDrillIsFoundAgain)
{
    drill::SavedDrill saved = fiveLeft();
    saved.entries[2] = {"\xC9TAPE", "P\xC9TALE;\xC9PELAT"};
    saved.criterion = drill::Criterion::BySpeed;
    saved.threshold = 4.5;
    const std::int64_t generation = saveWhole(saved);
    const KeptProgress kept = found(book);
    EXPECT_EQ(kept.generation, generation);
    EXPECT_EQ(kept.title, "7 lettres");
    EXPECT_EQ(kept.file.path, kFile.path);
    EXPECT_EQ(kept.file.size, 27);
    EXPECT_EQ(kept.file.sha256, "ab12");
    EXPECT_EQ(kept.saved.entries[2].draw, "\xC9TAPE");
    EXPECT_EQ(kept.saved.entries[2].solutions, "P\xC9TALE;\xC9PELAT");
    EXPECT_EQ(kept.saved.successCount, saved.successCount);
    EXPECT_EQ(kept.positions, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(kept.saved.listSize, 9);
    EXPECT_EQ(kept.saved.seriesDone, 2);
    EXPECT_EQ(kept.saved.errorCount, 6);
    EXPECT_EQ(kept.saved.totalSeconds, 300);
    EXPECT_EQ(kept.saved.criterion, drill::Criterion::BySpeed);
    EXPECT_EQ(kept.saved.threshold, 4.5);

    ASSERT_TRUE(book.forget(kList).ok());
    EXPECT_FALSE(book.find(kList)->has_value());
    EXPECT_FALSE(*book.saveChange(kList, generation, ProgressChange{}));
}

// A correction names its rows only: the counts it changed, the entries it eliminated.
TEST_F(ProgressBookTest, ACorrectionWritesOnlyWhatItChanged)
{
    const std::int64_t generation = saveWhole(fiveLeft());
    ProgressChange change;
    change.seriesAdded = 1;
    change.errorsAdded = 3;
    change.secondsAdded = 95;
    change.counted = {{0, 1}};
    change.eliminated = {1, 3};
    ASSERT_TRUE(*book.saveChange(kList, generation, change));
    const KeptProgress kept = found(book);
    EXPECT_EQ(draws(kept), (std::vector<std::string>{"D0", "D2", "D4"}));
    EXPECT_EQ(kept.positions, (std::vector<std::int32_t>{0, 2, 4}));
    EXPECT_EQ(kept.saved.successCount, (std::vector<std::int32_t>{1, 0, 0}));
    EXPECT_EQ(kept.saved.seriesDone, 3);
    EXPECT_EQ(kept.saved.errorCount, 9);
    EXPECT_EQ(kept.saved.totalSeconds, 395);
}

// Two programs resumed the same drill: 2 series and 6 errors each make 4 and 12 more, and the
// eliminations of both are kept.
TEST_F(ProgressBookTest, TwoProgramsOnOneListAddUp)
{
    const std::int64_t generation = saveWhole(fiveLeft());
    study::StudyRecord otherRecord(clock.clock());
    ASSERT_TRUE(otherRecord.open(path).ok());
    ProgressBook other(otherRecord);
    ProgressChange first;
    first.seriesAdded = 2;
    first.errorsAdded = 6;
    first.eliminated = {0};
    first.counted = {{4, 1}};
    ProgressChange second = first;
    second.eliminated = {3};
    second.counted = {{0, 1}, {2, 5}};
    ASSERT_TRUE(*book.saveChange(kList, generation, first));
    ASSERT_TRUE(*other.saveChange(kList, generation, second));
    const KeptProgress kept = found(other);
    EXPECT_EQ(kept.saved.seriesDone, 2 + 4);
    EXPECT_EQ(kept.saved.errorCount, 6 + 12);
    EXPECT_EQ(draws(kept), (std::vector<std::string>{"D1", "D2", "D4"}));
    EXPECT_EQ(kept.saved.successCount, (std::vector<std::int32_t>{1, 5, 1}));
}

// The drill written whole again (started afresh) is another one: changes meant for the older
// one are refused and write nothing.
TEST_F(ProgressBookTest, ChangesToADrillMadeAgainAreRefused)
{
    const std::int64_t older = saveWhole(fiveLeft());
    ASSERT_TRUE(book.forget(kList).ok());
    const std::int64_t newer = saveWhole(fiveLeft());
    EXPECT_NE(older, newer);
    ProgressChange change;
    change.seriesAdded = 1;
    change.eliminated = {0};
    EXPECT_FALSE(*book.saveChange(kList, older, change));
    EXPECT_EQ(found(book).saved.seriesDone, 2);
    EXPECT_EQ(found(book).saved.entries.size(), 5u);
}

// Counters stop at their largest value; a threshold typed as 320 nines (infinite) is kept as
// a number every success count compares with alike.
TEST_F(ProgressBookTest, CountersAndThresholdsStayInRange)
{
    drill::SavedDrill saved = fiveLeft();
    saved.seriesDone = 32760;
    saved.threshold = drill::Threshold::parse(std::string(320, '9'));
    ASSERT_TRUE(std::isinf(saved.threshold));
    const std::int64_t generation = saveWhole(saved);
    ProgressChange change;
    change.seriesAdded = 100;
    change.threshold = -saved.threshold;
    EXPECT_EQ(found(book).saved.threshold, std::numeric_limits<double>::max());
    ASSERT_TRUE(*book.saveChange(kList, generation, change));
    EXPECT_EQ(found(book).saved.seriesDone, 32767);
    EXPECT_EQ(found(book).saved.threshold, -std::numeric_limits<double>::max());
}

// Carried over once: a second program starting at the same time finds it done, and a list the
// record already holds keeps its own drill.
TEST_F(ProgressBookTest, OlderRecordsAreCarriedOverOnce)
{
    EXPECT_FALSE(*book.carriedOver());
    saveWhole(fiveLeft());
    KeptProgress older;
    older.title = "7 lettres";
    older.saved = fiveLeft();
    older.saved.seriesDone = 11;
    KeptProgress eight = older;
    eight.title = "8 lettres";
    ASSERT_TRUE(book.carryOver({{kList, older}, {"ods6new_8L.txt", eight}}).ok());
    EXPECT_TRUE(*book.carriedOver());
    EXPECT_EQ(found(book).saved.seriesDone, 2);
    ASSERT_TRUE((*book.find("ods6new_8L.txt")).has_value());
    EXPECT_EQ((*book.find("ods6new_8L.txt"))->saved.seriesDone, 11);

    ASSERT_TRUE(book.forget("ods6new_8L.txt").ok());
    ASSERT_TRUE(book.carryOver({{"ods6new_8L.txt", eight}}).ok());
    EXPECT_FALSE((*book.find("ods6new_8L.txt")).has_value());
}
