#include <training/drill/Drill.h>
#include <training/drill/tests/DrillHelpers.h>

#include <testsupport/SeededRandomSource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using drill::Criterion;
using drill::Drill;
using drill::ReviewDraw;
using testsupport::SeededRandomSource;

namespace {

// Draws "D<k>" answered "S<k>", from lists "a.txt" (even k) and "b.txt" (odd k).
std::vector<ReviewDraw> mixedDraws(int count)
{
    std::vector<ReviewDraw> draws;
    for (int k = 0; k < count; ++k)
        draws.push_back({{"D" + std::to_string(k), "S" + std::to_string(k)},
                         k % 2 == 0 ? "a.txt" : "b.txt",
                         false});
    return draws;
}

// The answers that find the slots showing one of `found`, and miss the others.
std::array<std::string, drill::kSlots> answersFinding(const Drill& drill,
                                                      const std::vector<std::string>& found)
{
    std::array<std::string, drill::kSlots> answers = rightAnswers(drill);
    for (std::size_t slot = 0; slot < answers.size(); ++slot) {
        const auto entry = drill.state().seriesEntry[slot];
        if (entry >= 0
            && std::find(found.begin(), found.end(),
                         drill.state().draws[static_cast<std::size_t>(entry)])
                == found.end())
            answers[slot].clear();
    }
    return answers;
}

// Each entry still in play and its list.
std::map<std::string, std::string> originsInPlay(const Drill& drill)
{
    std::map<std::string, std::string> origins;
    for (std::int32_t k = 0; k < drill.state().entryCount; ++k)
        origins[drill.state().draws[static_cast<std::size_t>(k)]] =
            drill.state().origins[static_cast<std::size_t>(k)];
    return origins;
}

}  // namespace

struct ReviewRow {
    const char* name;
    Criterion criterion;
    double threshold;
};

class ReviewCriterion : public testing::TestWithParam<ReviewRow> {};

// Whatever criterion the player keeps, a found draw leaves the review and a missed one stays,
// with its own list, until it is found.
TEST_P(ReviewCriterion, FoundLeavesMissedStaysUntilFound)
{
    const ReviewRow row = GetParam();
    Drill drill;
    drill.startReview("Révisions du jour", mixedDraws(3));
    useCriterion(drill, row.criterion, row.threshold);
    SeededRandomSource random(5);
    drill.drawSeries(random);
    for (int slot = 0; slot < 3; ++slot) {  // each right in time; the first changed after
        spendSeconds(drill, 1);
        drill.gradeByTime(slot, rightAnswers(drill)[static_cast<std::size_t>(slot)]);
    }
    const std::string missed =
        drill.state().draws[static_cast<std::size_t>(drill.state().seriesEntry[0])];
    const std::string missedList = drill.originOf(0);
    auto answers = rightAnswers(drill);
    answers[0] = "X";
    auto result = drill.correctSeries(answers);
    EXPECT_EQ(result.scoreText, "2/3");
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(originsInPlay(drill), (std::map<std::string, std::string>{{missed, missedList}}));

    drill.drawSeries(random);
    EXPECT_EQ(drill.originOf(0), missedList);
    result = drill.correctSeries(rightAnswers(drill));
    EXPECT_TRUE(result.finished);
    EXPECT_TRUE(drill.isFinished());
    EXPECT_EQ(drill.state().entryCount, 0);
    EXPECT_EQ(drill.state().errorCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Criteria, ReviewCriterion,
                         testing::Values(ReviewRow{"successes1", Criterion::BySuccesses, 1},
                                         ReviewRow{"successes3", Criterion::BySuccesses, 3},
                                         ReviewRow{"speed", Criterion::BySpeed, 5}),
                         [](const testing::TestParamInfo<ReviewRow>& info) {
                             return std::string(info.param.name);
                         });

// Two lists may hold the same draw with the same solutions: each stays a draw of its own, and
// the one left in play keeps its own list.
TEST(ReviewDrill, SameDrawOfTwoListsKeepsEachOrigin)
{
    Drill drill;
    drill.startReview("Révisions du jour",
                      {{{"AB", "BA"}, "a.txt", false}, {{"AB", "BA"}, "b.txt", false}});
    SeededRandomSource random(2);
    drill.drawSeries(random);
    std::array<std::string, drill::kSlots> answers;
    const int bSlot = drill.originOf(0) == "b.txt" ? 0 : 1;
    answers[static_cast<std::size_t>(bSlot)] = "BA";
    drill.correctSeries(answers);
    ASSERT_EQ(drill.state().entryCount, 1);
    EXPECT_EQ(drill.state().origins[0], "a.txt");
}

namespace {

struct ReviewMissRow {
    const char* name;
    bool extension;
    const char* answerShown;
    const char* tooltip;
};

}  // namespace

class ReviewMiss : public testing::TestWithParam<ReviewMissRow> {};

// A missed draw of an extension list is shown as in its own list's drill, among the others.
TEST_P(ReviewMiss, WrongAnswerShownAsItsListShowsIt)
{
    const ReviewMissRow row = GetParam();
    Drill drill;
    drill.startReview("Révisions du jour", {{{"ABC", "ABCD"}, "x.txt", row.extension}});
    SeededRandomSource random(3);
    drill.drawSeries(random);
    std::array<std::string, drill::kSlots> answers;
    answers[0] = "ABCE";
    const auto result = drill.correctSeries(answers);
    EXPECT_EQ(result.slots[0].answerText, row.answerShown);
    EXPECT_EQ(result.slots[0].tooltip, row.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReviewMiss,
    testing::Values(ReviewMissRow{"extension", true, "ABC", "Vous aviez saisi: ABCE"},
                    ReviewMissRow{"other", false, "ABCE", "Tirage: ABC"}),
    [](const testing::TestParamInfo<ReviewMissRow>& info) { return std::string(info.param.name); });

struct PutBackRow {
    const char* name;
    bool review;
    bool finishFirst;
    bool taken;
};

class ReviewPutBack : public testing::TestWithParam<PutBackRow> {};

// A found draw counted as missed comes back in the next series of a review still under way;
// a list's drill and a finished review take nothing back.
TEST_P(ReviewPutBack, TakenOnlyByACorrectedReview)
{
    const PutBackRow row = GetParam();
    Drill drill;
    if (row.review)
        drill.startReview("Révisions du jour", mixedDraws(2));
    else
        drill.start(listOf("5 lettres"), numberedEntries(2));
    SeededRandomSource random(4);
    drill.drawSeries(random);
    drill.correctSeries(answersFinding(drill,
                                       row.finishFirst ? std::vector<std::string>{"D0", "D1"}
                                                       : std::vector<std::string>{"D0"}));
    const std::int32_t before = drill.state().entryCount;
    EXPECT_EQ(drill.putBack({{"D0", "S0"}, "a.txt", false}), row.taken);
    EXPECT_EQ(drill.state().entryCount, before + (row.taken ? 1 : 0));
    if (!row.taken)
        return;
    drill.drawSeries(random);
    EXPECT_EQ(drill.seriesSize(), 2);
    EXPECT_EQ(originsInPlay(drill),
              (std::map<std::string, std::string>{{"D0", "a.txt"}, {"D1", "b.txt"}}));
}

INSTANTIATE_TEST_SUITE_P(Drills, ReviewPutBack,
                         testing::Values(PutBackRow{"reviewUnderWay", true, false, true},
                                         PutBackRow{"reviewFinished", true, true, false},
                                         PutBackRow{"listDrill", false, false, false}),
                         [](const testing::TestParamInfo<PutBackRow>& info) {
                             return std::string(info.param.name);
                         });

// A list's drill after a review is the list's again: no origin, the criterion decides.
TEST(ReviewDrill, ListDrillAfterReviewKeepsItsCriterion)
{
    Drill drill;
    drill.startReview("Révisions du jour", mixedDraws(2));
    drill.start(listOf("5 lettres"), numberedEntries(2));
    EXPECT_FALSE(drill.isReview());
    EXPECT_TRUE(drill.state().origins.empty());
    SeededRandomSource random(6);
    drill.drawSeries(random);
    EXPECT_EQ(drill.originOf(0), "");
    const auto result = correct(drill, rightAnswers(drill), Criterion::BySuccesses, 2);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(drill.state().entryCount, 2);
}
