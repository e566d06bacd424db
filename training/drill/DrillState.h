#pragma once

#include <training/drill/Criterion.h>
#include <training/drill/Series.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace drill {

// The state of a drill, which the training window paints. Tables of entries grow with the
// list; cells from entryCount on are never read. Counters that could overflow in a drill
// without end stop at their largest value instead (noted below).
struct DrillState {
    std::vector<std::string> draws;          // per entry, Windows-1252; empty = eliminated
    std::vector<std::string> solutions;      // per entry, parallel to draws
    std::vector<std::int32_t> successCount;  // per entry, found under the criterion by successes
    std::array<std::int32_t, kSlots> seriesEntry;  // entry shown in each slot; -1 = empty slot
    std::array<std::int16_t, kSlots> slotState;    // -1 not graded, 1 found in time, 0 missed/slow
    std::int32_t entryCount = 0;                   // entries still in play: 0 .. entryCount-1
    std::int32_t listSize = 0;                     // entries of the whole list at its start
    SeriesPhase phase = SeriesPhase::NotStarted;
    std::int32_t secondsLeft = kSeriesSeconds;  // series clock
    // What the series clock shows: the value of its last tick. A series draw does not rewrite
    // it, and correction takes the time used from it.
    std::int32_t secondsShown = kSeriesSeconds;
    std::int32_t totalSeconds = 0;   // drill clock; stops at its largest value (68 years)
    std::int16_t answerSeconds = 0;  // answer stopwatch; stops at 32767
    // Seconds each slot's answer box held the focus in the open series (series clock ticks).
    std::array<std::int32_t, kSlots> slotSeconds{};
    std::int16_t currentSlot = 0;  // slot whose answer box last got the focus
    std::int16_t seriesDone = 0;   // series corrected in this drill; stops at 32767
    std::int32_t errorCount = 0;   // wrong answers in this drill; stops at its largest value
    Criterion criterion = Criterion::BySuccesses;
    double threshold = 1;        // found this many times, or in less than this many seconds
    bool paused = false;         // "Pause": the drill and series clocks stand, answers locked
    std::string listTitle;       // UTF-8
    bool extensionList = false;  // missed answers swap with their draw instead of being struck

    DrillState()
    {
        seriesEntry.fill(-1);
        slotState.fill(-1);
    }
};

}  // namespace drill
