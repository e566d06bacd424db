#pragma once

#include <cstdint>

namespace drill {

// A series: the draws shown at once, and the time the player has to answer them.
inline constexpr int kSlots = 30;                    // slots 0..29: three columns of ten
inline constexpr std::int32_t kSeriesSeconds = 240;  // four minutes on the series clock

// Where the drill stands between two series.
enum class SeriesPhase {
    NotStarted,  // no series drawn yet
    Open,        // drawn and being answered: correction may run, no new series
    Corrected,   // corrected with entries left: a new series may be drawn
    Finished,    // corrected and every entry eliminated: only leaving remains
};

}  // namespace drill
