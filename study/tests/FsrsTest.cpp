#include "ReferenceSequences.h"

#include <study/Fsrs.h>

#include <gtest/gtest.h>

namespace study::tests {
namespace {

// Every review of every sequence, fed with the days ts-fsrs counted, gives its recall
// probability, memory and interval; the memory carries on from this scheduler's own values.
TEST(FsrsReference, EveryReviewGivesWhatTsFsrsGives)
{
    const std::vector<ReferenceSequence> sequences = referenceSequences();
    for (std::size_t s = 0; s < sequences.size(); ++s) {
        const Fsrs fsrs(sequences[s].front().retention);
        std::optional<MemoryState> memory;
        for (std::size_t i = 0; i < sequences[s].size(); ++i) {
            const ReferenceReview& review = sequences[s][i];
            SCOPED_TRACE("sequence " + std::to_string(s + 1) + ", review " + std::to_string(i + 1));
            if (memory) {
                const double r = fsrs.retrievability(review.elapsedDays, memory->stability);
                EXPECT_NEAR(r, review.retrievability, tolerance(review.retrievability));
            }
            memory = fsrs.next(memory, review.elapsedDays, review.grade);
            EXPECT_NEAR(memory->stability, review.stability, tolerance(review.stability));
            EXPECT_NEAR(memory->difficulty, review.difficulty, tolerance(review.difficulty));
            EXPECT_EQ(fsrs.intervalDays(memory->stability), review.intervalDays);
        }
    }
}

struct IntervalRow {
    const char* what;
    double retention;
    double stability;
    std::int32_t days;
};

TEST(Fsrs, IntervalsAreRoundedWholeDaysFromOneToAHundredYears)
{
    const IntervalRow rows[] = {
        {"at 0.9 the stability itself", 0.9, 12.0, 12},
        {"half a day rounds up", 0.9, 2.5, 3},
        {"under half a day rounds down", 0.9, 2.4999, 2},
        {"never under a day", 0.9, 0.001, 1},
        {"the longest stability", 0.9, 36500, 36500},
        {"no more than a hundred years", 0.7, 36500, 36500},
    };
    for (const IntervalRow& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Fsrs(row.retention).intervalDays(row.stability), row.days);
    }
}

// Under a whole day is the same day: the same-day stability, whatever the fraction.
TEST(Fsrs, AReviewUnderADayLaterIsASameDayReview)
{
    const Fsrs fsrs;
    const MemoryState before{10, 5};
    for (Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
        SCOPED_TRACE(static_cast<int>(grade));
        const MemoryState sameDay = fsrs.next(before, 0, grade);
        const MemoryState later = fsrs.next(before, 0.9, grade);
        EXPECT_EQ(later.stability, sameDay.stability);
        EXPECT_EQ(later.difficulty, sameDay.difficulty);
        EXPECT_NE(fsrs.next(before, 1, grade).stability, sameDay.stability);
    }
}

}  // namespace
}  // namespace study::tests
