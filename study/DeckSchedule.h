#pragma once

#include <study/Fsrs.h>

#include <cstdint>
#include <optional>

namespace study {

// Where a draw of the review deck stands. Times are seconds since 1970 (UTC).
struct DrawSchedule {
    std::optional<MemoryState> memory;  // none until the draw's first review
    std::int64_t lastReview = 0;        // the time of the last review; 0 before the first
    std::int64_t due = 0;               // the draw is due from this time on
    std::int32_t reviews = 0;           // reviews of the draw, found or missed
    std::int32_t lapses = 0;            // reviews of the draw that it was missed at

    bool operator==(const DrawSchedule& other) const;
};

// The deck's rule on top of FSRS. A draw missed (Again) is due again at once, so that it comes
// back in today's review until it is found; a draw found (Good, or any other grade above Again)
// is due from the start of the local day that is the scheduler's interval after today, for the
// whole of that day. The days elapsed since the previous review are whole local days: a review
// on the same local day is a same-day review for FSRS.
DrawSchedule review(const DrawSchedule& state, Grade grade, std::int64_t now, const Fsrs& fsrs);

}  // namespace study
