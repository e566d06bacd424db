#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace drill {

// The drill state of the training window. Tables of entries grow with the list;
// cells from entryCount on are never read. Slots 0..29 are used (31 cells).
struct DrillState {
    static constexpr int kSlots = 30;

    std::vector<std::string> draws;            // per entry, Windows-1252; empty = eliminated
    std::vector<std::string> solutions;        // per entry, parallel to draws
    std::vector<std::string> successCount;     // per entry, successes as decimal text ("0" at load)
    std::array<std::int32_t, 31> seriesEntry;  // entry shown in each slot; -1 = empty slot
    std::array<std::int16_t, 31> slotState;    // -1 not graded, 1 found in time, 0 missed/slow
    std::int32_t entryCount = 0;               // entries still in play: 0 .. entryCount-1
    std::int32_t secondsLeft = 240;            // series clock
    std::int32_t totalSeconds = 0;             // drill clock
    std::int16_t answerSeconds = 0;            // answer stopwatch
    std::int16_t currentSlot = 0;              // slot whose answer box last got the focus
    std::int16_t seriesDone = 0;               // series corrected in this drill
    std::int32_t errorCount = 0;               // wrong answers in this drill
    std::string listTitle;                     // UTF-8

    DrillState()
    {
        seriesEntry.fill(-1);
        slotState.fill(-1);
    }
};

}  // namespace drill
