#include "LocalZone.h"
#include "ReferenceSequences.h"

#include <study/DeckSchedule.h>

#include <gtest/gtest.h>

namespace study::tests {
namespace {

constexpr std::int64_t kDay = 24 * 60 * 60;

// The reference sequences replayed from their times alone, local time being UTC as ts-fsrs's
// days are: the deck counts the same days and finds the same memories; a missed draw is due at
// once, a found one from the UTC midnight its interval after the review's day; every review and
// every miss is counted.
TEST(DeckSchedule, ReplaysTheReferenceFromTheReviewTimes)
{
    LocalZone zone("UTC0");
    const std::vector<ReferenceSequence> sequences = referenceSequences();
    for (std::size_t s = 0; s < sequences.size(); ++s) {
        const Fsrs fsrs(sequences[s].front().retention);
        DrawSchedule state;
        std::int32_t misses = 0;
        for (std::size_t i = 0; i < sequences[s].size(); ++i) {
            const ReferenceReview& review = sequences[s][i];
            SCOPED_TRACE("sequence " + std::to_string(s + 1) + ", review " + std::to_string(i + 1));
            state = study::review(state, review.grade, review.time, fsrs);
            ASSERT_TRUE(state.memory);
            EXPECT_NEAR(state.memory->stability, review.stability, tolerance(review.stability));
            EXPECT_NEAR(state.memory->difficulty, review.difficulty, tolerance(review.difficulty));
            const std::int64_t due = review.grade == Grade::Again
                ? review.time
                : (review.time / kDay + review.intervalDays) * kDay;
            EXPECT_EQ(state.due, due);
            EXPECT_EQ(state.lastReview, review.time);
            EXPECT_EQ(state.reviews, static_cast<std::int32_t>(i + 1));
            misses += review.grade == Grade::Again;
            EXPECT_EQ(state.lapses, misses);
        }
    }
}

// A draw found at `first`, then reviewed at `second` in Paris: the days counted between the
// two, and when it is due after the second.
struct ParisRow {
    const char* what;
    std::int64_t first;
    std::int64_t second;
    Grade grade;
    std::int32_t elapsedDays;
    std::int64_t due;
};

TEST(DeckSchedule, CountsAndSchedulesInLocalDaysAcrossSummerTime)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows C library reads no zone names";
#endif
    LocalZone zone("Europe/Paris");
    const Fsrs fsrs;
    // A first review graded Good leaves a stability of 2.3065: found again, the draw is due in
    // 7 days (see the reference's sequence 13); missed, at once.
    const ParisRow rows[] = {
        {"missed an hour later, past midnight", utc(2024, 3, 30, 22, 30), utc(2024, 3, 30, 23, 30),
         Grade::Again, 1, utc(2024, 3, 30, 23, 30)},
        {"found an hour later, past midnight", utc(2024, 3, 30, 22, 30), utc(2024, 3, 30, 23, 30),
         Grade::Good, 1, utc(2024, 4, 6, 22)},
        {"missed 21 hours later on the day of 23", utc(2024, 3, 31, 0), utc(2024, 3, 31, 21),
         Grade::Again, 0, utc(2024, 3, 31, 21)},
        {"found 24 hours 40 later on the day of 25", utc(2024, 10, 26, 22, 10),
         utc(2024, 10, 27, 22, 50), Grade::Good, 0, utc(2024, 10, 28, 23)},
        {"found the next day, due after the October change", utc(2024, 10, 20, 8),
         utc(2024, 10, 21, 8), Grade::Good, 1, utc(2024, 10, 27, 23)},
        {"found with the clock put back a day", utc(2024, 10, 22, 8), utc(2024, 10, 21, 8),
         Grade::Good, 0, utc(2024, 10, 22, 22)},
    };
    for (const ParisRow& row : rows) {
        SCOPED_TRACE(row.what);
        const DrawSchedule found = study::review(DrawSchedule{}, Grade::Good, row.first, fsrs);
        const DrawSchedule next = study::review(found, row.grade, row.second, fsrs);
        const MemoryState expected = fsrs.next(found.memory, row.elapsedDays, row.grade);
        EXPECT_EQ(next.memory->stability, expected.stability);
        EXPECT_EQ(next.memory->difficulty, expected.difficulty);
        EXPECT_EQ(next.due, row.due);
    }
}

}  // namespace
}  // namespace study::tests
