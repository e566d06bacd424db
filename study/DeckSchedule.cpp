#include <study/DeckSchedule.h>
#include <study/LocalDay.h>

namespace study {

bool DrawSchedule::operator==(const DrawSchedule& other) const
{
    const bool sameMemory = memory.has_value() == other.memory.has_value()
        && (!memory
            || (memory->stability == other.memory->stability
                && memory->difficulty == other.memory->difficulty));
    return sameMemory && lastReview == other.lastReview && due == other.due
        && reviews == other.reviews && lapses == other.lapses;
}

DrawSchedule review(const DrawSchedule& state, Grade grade, std::int64_t now, const Fsrs& fsrs)
{
    DrawSchedule next = state;
    // Whole local days, as FSRS-6 counts them; a clock put back gives fewer than one, the same
    // day for FSRS.
    const std::int32_t elapsed = state.memory ? localDaysBetween(state.lastReview, now) : 0;
    next.memory = fsrs.next(state.memory, elapsed, grade);
    next.lastReview = now;
    next.reviews += 1;
    if (grade == Grade::Again) {
        next.lapses += 1;
        next.due = now;
    } else {
        next.due = localDayStartAfter(now, fsrs.intervalDays(next.memory->stability));
    }
    return next;
}

}  // namespace study
