#include <training/drill/Drill.h>
#include <training/drill/Threshold.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

using drill::Criterion;
using drill::Drill;
using drill::Verdict;
using testsupport::SeededRandomSource;

namespace {

// Draws a series and corrects it with every slot answered right.
drill::CorrectionResult correctAllFound(Drill& drill, drill::RandomSource& random,
                                        Criterion criterion, double threshold)
{
    drill.drawSeries(random);
    return correct(drill, rightAnswers(drill), criterion, threshold);
}

drill::CorrectionResult correctAllMissed(Drill& drill, drill::RandomSource& random)
{
    drill.drawSeries(random);
    return correct(drill, {}, Criterion::BySuccesses, 1);
}

}  // namespace

struct SuccessRow {
    const char* thresholdText;
    int seriesToEliminate;
};

class SuccessThreshold : public testing::TestWithParam<SuccessRow> {};

TEST_P(SuccessThreshold, EntryLeavesAtItsNthSuccess)
{
    const SuccessRow row = GetParam();
    const double threshold = drill::Threshold::parse(row.thresholdText);
    Drill drill;
    drill.start(listOf("5 lettres"), numberedEntries(1));
    SeededRandomSource random(1);
    for (int series = 1; series < row.seriesToEliminate; ++series) {
        const auto result = correctAllFound(drill, random, Criterion::BySuccesses, threshold);
        EXPECT_FALSE(result.finished);
        ASSERT_EQ(drill.state().entryCount, 1);
        EXPECT_EQ(drill.state().successCount[0], series);
    }
    const auto result = correctAllFound(drill, random, Criterion::BySuccesses, threshold);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(drill.state().entryCount, 0);
    EXPECT_EQ(result.scoreText, "1/1");
}

INSTANTIATE_TEST_SUITE_P(Thresholds, SuccessThreshold,
                         testing::Values(SuccessRow{"1", 1}, SuccessRow{"2", 2},
                                         SuccessRow{"2.5", 3}, SuccessRow{"3", 3},
                                         SuccessRow{"0", 1}, SuccessRow{"", 1},
                                         SuccessRow{"abc", 1}, SuccessRow{"2,5", 2}));

TEST(CorrectionTest, MissDoesNotResetSuccesses)
{
    Drill drill;
    drill.start(listOf("5 lettres"), numberedEntries(1));
    SeededRandomSource random(1);
    correctAllFound(drill, random, Criterion::BySuccesses, 2);
    correctAllMissed(drill, random);
    EXPECT_EQ(drill.state().successCount[0], 1);
    EXPECT_EQ(drill.state().entryCount, 1);
    const auto result = correctAllFound(drill, random, Criterion::BySuccesses, 2);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(drill.state().errorCount, 1);
}

TEST(CorrectionTest, HundredEntriesLeaveSeventyAfterAFullScore)
{
    Drill drill;
    drill.start(listOf("6 lettres"), numberedEntries(100));
    SeededRandomSource random(8);
    const auto draw = drill.drawSeries(random);
    const auto answers = rightAnswers(drill);
    const auto result = correct(drill, answers, Criterion::BySuccesses, 1);
    EXPECT_EQ(result.scoreText, "30/30");
    EXPECT_EQ(result.foundCount, 30);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(drill.state().entryCount, 70);
    // none of the found entries is left, the others keep their file order
    std::vector<std::string> expected;
    for (int k = 0; k < 100; ++k)
        if (std::find(answers.begin(), answers.end(), "S" + std::to_string(k)) == answers.end())
            expected.push_back("D" + std::to_string(k));
    EXPECT_EQ(
        std::vector<std::string>(drill.state().draws.begin(), drill.state().draws.begin() + 70),
        expected);
    for (int slot = 0; slot < 30; ++slot) {
        EXPECT_TRUE(result.slots[static_cast<std::size_t>(slot)].found);
        EXPECT_EQ(result.slots[static_cast<std::size_t>(slot)].answerText,
                  answers[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(result.slots[static_cast<std::size_t>(slot)].drawText,
                  draw.drawTexts[static_cast<std::size_t>(slot)]);
        EXPECT_TRUE(result.slots[static_cast<std::size_t>(slot)].tooltip.empty());
    }
    EXPECT_EQ(drill.drawSeries(random).entriesLeftText, "70");
}

TEST(CorrectionTest, LastEntriesFinishTheDrill)
{
    Drill drill;
    drill.start(listOf("5 lettres"), numberedEntries(5));
    SeededRandomSource random(4);
    drill.drawSeries(random);
    auto answers = rightAnswers(drill);
    answers[3] = "FAUX";
    auto result = correct(drill, answers, Criterion::BySuccesses, 1);
    EXPECT_EQ(result.scoreText, "4/5");
    EXPECT_EQ(result.seriesSize, 5);
    EXPECT_FALSE(result.finished);
    EXPECT_FALSE(result.slots[5].inSeries);
    ASSERT_EQ(drill.state().entryCount, 1);

    result = correctAllFound(drill, random, Criterion::BySuccesses, 1);
    EXPECT_TRUE(result.finished);
    EXPECT_TRUE(drill.isFinished());
    EXPECT_EQ(result.scoreText, "1/1");
    EXPECT_EQ(result.seriesDoneText, "2 série(s) déjà réalisée(s).");
    EXPECT_EQ(result.errorCountText, "1");
}

struct MissRow {
    const char* title;
    const char* typed;
    const char* answerText;
    const char* tooltip;
    bool struck;
};

class MissedSlot : public testing::TestWithParam<MissRow> {};

TEST_P(MissedSlot, ShowsWhatTheListAsks)
{
    const MissRow row = GetParam();
    Drill drill;
    drill.start(listOf(row.title), {{"AELRT", "RALET;ALTER"}});
    SeededRandomSource random(1);
    drill.drawSeries(random);
    std::array<std::string, drill::kSlots> answers;
    answers[0] = row.typed;
    const auto result = correct(drill, answers, Criterion::BySuccesses, 1);
    const auto& slot = result.slots[0];
    EXPECT_TRUE(slot.inSeries);
    EXPECT_FALSE(slot.found);
    EXPECT_EQ(slot.answerText, row.answerText);
    EXPECT_EQ(slot.tooltip, row.tooltip);
    EXPECT_EQ(slot.struckThrough, row.struck);
    EXPECT_EQ(slot.drawText, "RALET;ALTER");
    EXPECT_TRUE(slot.drawRevealed);
    EXPECT_EQ(drill.state().errorCount, 1);
    EXPECT_EQ(result.scoreText, "0/1");
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MissedSlot,
    testing::Values(
        MissRow{"Rallonge av. 1L <10L", "TALER", "AELRT", "Vous aviez saisi: TALER", false},
        MissRow{"Rallonge arr. 1L <10L", "RALET", "AELRT", "Vous aviez saisi: RALET", false},
        MissRow{"5 lettres", "TALER", "TALER", "Tirage: AELRT", true},
        MissRow{"Mots invariables <11L", "ralet;alter", "ralet;alter", "Tirage: AELRT", true},
        MissRow{"5 lettres", "", "AELRT", "", false},
        MissRow{"Rallonge av. 1L <10L", "", "AELRT", "", false}));

TEST(CorrectionTest, SpeedFoundButNeverGradedStaysInThePool)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(40));
    SeededRandomSource random(9);
    drill.drawSeries(random);
    const auto answers = rightAnswers(drill);
    useCriterion(drill, Criterion::BySpeed, 5);
    spendSeconds(drill, 1);
    const auto result = drill.correctSeries(answers);
    // every slot is found, only the last one was graded (by correction itself)
    EXPECT_EQ(result.scoreText, "30/30");
    EXPECT_EQ(result.lastSlotVerdict, Verdict::Ok);
    EXPECT_EQ(drill.state().entryCount, 39);
    for (const auto& count : drill.state().successCount)
        EXPECT_EQ(count, 0);  // speed never counts successes
    EXPECT_EQ(drill.state().errorCount, 0);
}

TEST(CorrectionTest, SpeedGradedInTimeLeavesEvenIfChangedAfterwards)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(10));
    SeededRandomSource random(9);
    const auto draw = drill.drawSeries(random);
    auto answers = rightAnswers(drill);
    useCriterion(drill, Criterion::BySpeed, 5);
    spendSeconds(drill, 2);
    ASSERT_EQ(drill.gradeByTime(0, answers[0]), Verdict::Ok);
    ASSERT_EQ(drill.gradeByTime(1, answers[1]), Verdict::Ok);
    spendSeconds(drill, 6);  // right but slow: found, not eliminated
    ASSERT_EQ(drill.gradeByTime(2, answers[2]), Verdict::No);
    answers[1] = "AUTRE";
    const std::string entry0 = draw.drawTexts[0];
    const std::string entry1 = draw.drawTexts[1];
    spendSeconds(drill, 0);
    const auto result = drill.correctSeries(answers);
    EXPECT_EQ(result.foundCount, 9);
    EXPECT_TRUE(result.slots[2].found);
    EXPECT_FALSE(result.slots[1].found);
    // slots 0 and 1 were graded in time, the last slot (9) by the correction
    EXPECT_EQ(drill.state().entryCount, 7);
    const auto& left = drill.state().draws;
    EXPECT_EQ(std::find(left.begin(), left.end(), entry0), left.end());
    EXPECT_EQ(std::find(left.begin(), left.end(), entry1), left.end());
    EXPECT_NE(std::find(left.begin(), left.end(), draw.drawTexts[2]), left.end());
}

TEST(CorrectionTest, CorrectionFromSlotFourGradesTheLastSlotWithItsSeconds)
{
    for (const int seconds : {7, 2}) {
        Drill drill;
        drill.start(listOf("7 lettres"), numberedEntries(30));
        SeededRandomSource random(12);
        drill.drawSeries(random);
        const auto answers = rightAnswers(drill);
        useCriterion(drill, Criterion::BySpeed, 5);
        spendSeconds(drill, 1);
        ASSERT_EQ(drill.gradeByTime(4, answers[4]), Verdict::Ok);
        spendSeconds(drill, seconds);  // time spent back in box 4
        const auto result = drill.correctSeries(answers);
        EXPECT_EQ(drill.state().slotState[4], 1);
        EXPECT_EQ(drill.state().slotState[29], seconds < 5 ? 1 : 0);
        EXPECT_EQ(result.lastSlotVerdict, seconds < 5 ? Verdict::Ok : Verdict::No);
        EXPECT_EQ(drill.state().entryCount, seconds < 5 ? 28 : 29);
    }
}

TEST(CorrectionTest, SeriesWithoutDrawsFinishesTheDrill)
{
    for (const Criterion criterion : {Criterion::BySpeed, Criterion::BySuccesses}) {
        Drill drill;
        drill.start(listOf("7 lettres"), {});
        SeededRandomSource random(1);
        const auto draw = drill.drawSeries(random);
        EXPECT_EQ(draw.seriesSize, 0);
        const auto result = correct(drill, {}, criterion, 5);
        EXPECT_EQ(result.lastSlotVerdict, Verdict::Unchanged);
        EXPECT_EQ(result.scoreText, "0/0");
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.seriesDoneText, "1 série(s) déjà réalisée(s).");
        EXPECT_EQ(result.errorCountText, "0");
        EXPECT_EQ(result.timeUsedText, "0:00");
    }
}

// Success counts move with their entries: B is found twice, C once, while the empty draws
// and then A leave.
TEST(CorrectionTest, CompactionKeepsOrderAndRemovesEveryEmptyDraw)
{
    Drill drill;
    drill.start(
        listOf("7 lettres"),
        {{"", "x"}, {"A", "a"}, {"", ""}, {"", "y"}, {"B", "b"}, {"C", "c"}, {"", ""}, {"D", "d"}});
    SeededRandomSource random(3);
    // The right answers of the slots whose draw is one of `draws`.
    const auto answersFor = [&drill](const std::string& draws) {
        std::array<std::string, drill::kSlots> answers;
        for (int slot = 0; slot < drill.seriesSize(); ++slot) {
            const auto entry =
                static_cast<std::size_t>(drill.state().seriesEntry[static_cast<std::size_t>(slot)]);
            const std::string& draw = drill.state().draws[entry];
            if (!draw.empty() && draws.find(draw) != std::string::npos)
                answers[static_cast<std::size_t>(slot)] = drill.state().solutions[entry];
        }
        return answers;
    };
    drill.drawSeries(random);
    correct(drill, answersFor("B"), Criterion::BySuccesses, 3);
    EXPECT_EQ(drill.state().entryCount, 4);  // the empty draws are gone
    drill.drawSeries(random);
    correct(drill, answersFor("BC"), Criterion::BySuccesses, 3);
    drill.drawSeries(random);
    correct(drill, answersFor("A"), Criterion::BySuccesses, 1);  // A leaves
    EXPECT_EQ(drill.state().entryCount, 3);
    EXPECT_EQ(
        std::vector<std::string>(drill.state().draws.begin(), drill.state().draws.begin() + 3),
        (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(std::vector<std::string>(drill.state().solutions.begin(),
                                       drill.state().solutions.begin() + 3),
              (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(std::vector<std::int32_t>(drill.state().successCount.begin(),
                                        drill.state().successCount.begin() + 3),
              (std::vector<std::int32_t>{2, 1, 0}));
}

TEST(CorrectionTest, EmptyDrawLeavesAtTheFirstCorrectionEvenOutsideTheSeries)
{
    std::vector<drill::ListEntry> entries = numberedEntries(40);
    entries[35].draw.clear();
    Drill drill;
    drill.start(listOf("7 lettres"), entries);
    SeededRandomSource random(2);
    correctAllMissed(drill, random);
    EXPECT_EQ(drill.state().entryCount, 39);
    EXPECT_EQ(drill.state().errorCount, 30);
}

TEST(CorrectionTest, CountersAndTimeUsedAfterEachSeries)
{
    Drill drill;
    drill.start(listOf("7 lettres"), numberedEntries(50));
    SeededRandomSource random(6);
    drill.drawSeries(random);
    for (int tick = 0; tick < 85; ++tick)
        drill.tickSeries();  // the clock shows 2:35
    auto result = correct(drill, {}, Criterion::BySuccesses, 1);
    EXPECT_EQ(result.timeUsedText, "1:25");
    EXPECT_EQ(result.seriesDoneText, "1 série(s) déjà réalisée(s).");
    EXPECT_EQ(result.errorCountText, "30");
    drill.drawSeries(random);
    auto answers = rightAnswers(drill);
    answers[0] = "";
    while (!drill.tickSeries().expired) {
    }
    result = correct(drill, answers, Criterion::BySuccesses, 1);
    EXPECT_EQ(result.timeUsedText, "4:00");
    EXPECT_EQ(result.seriesDoneText, "2 série(s) déjà réalisée(s).");
    EXPECT_EQ(result.errorCountText, "31");
    EXPECT_EQ(result.scoreText, "29/30");
    EXPECT_EQ(drill.state().entryCount, 21);
}

// What each slot held, for the study record: its entry before compaction, the entry's draw and
// solutions (even once eliminated), the seconds its box held the focus, and where it stands.
TEST(CorrectionTest, EachSlotTellsItsEntryItsSecondsAndItsOutcome)
{
    Drill drill;
    drill.start(listOf("5 lettres"), numberedEntries(40));
    SeededRandomSource random(3);
    drill.drawSeries(random);
    std::array<std::string, drill::kSlots> answers = rightAnswers(drill);
    answers[4].clear();  // slot 4 missed
    const std::array<std::int32_t, drill::kSlots> entries = drill.state().seriesEntry;
    for (int tick = 0; tick < 7; ++tick)
        drill.tickSlot(4);
    drill.tickSlot(0);
    drill.tickSlot(-1);  // the focus elsewhere: no slot's time
    drill.tickSlot(drill::kSlots);
    const auto result = correct(drill, answers, Criterion::BySuccesses, 2);
    for (int slot = 0; slot < drill::kSlots; ++slot) {
        const drill::SlotCorrection& mark = result.slots[static_cast<std::size_t>(slot)];
        const auto entry = entries[static_cast<std::size_t>(slot)];
        EXPECT_EQ(mark.entry, entry) << slot;
        EXPECT_EQ(mark.entryDraw, "D" + std::to_string(entry)) << slot;
        EXPECT_EQ(mark.entrySolutions, "S" + std::to_string(entry)) << slot;
        EXPECT_EQ(mark.seconds, slot == 4 ? 7 : slot == 0 ? 1 : 0) << slot;
        EXPECT_EQ(mark.successCount, slot == 4 ? 0 : 1) << slot;
        EXPECT_FALSE(mark.eliminated) << slot;
    }
    // Under a threshold of 1, found means eliminated; the next series' seconds start at 0.
    drill.drawSeries(random);
    const std::array<std::int32_t, drill::kSlots> next = drill.state().seriesEntry;
    answers = rightAnswers(drill);
    answers[0] = "faux";
    const auto second = correct(drill, answers, Criterion::BySuccesses, 1);
    for (int slot = 0; slot < drill::kSlots; ++slot) {
        const drill::SlotCorrection& mark = second.slots[static_cast<std::size_t>(slot)];
        EXPECT_EQ(mark.entry, next[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(mark.eliminated, slot != 0) << slot;
        EXPECT_EQ(mark.seconds, 0) << slot;
        EXPECT_FALSE(mark.entryDraw.empty()) << slot;
    }
}
