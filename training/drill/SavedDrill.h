#pragma once

#include <training/drill/Criterion.h>
#include <training/drill/ListEntry.h>

#include <cstdint>
#include <vector>

namespace drill {

// What a drill keeps between two runs of the program: the entries still in play with their
// success counts, the counters, the drill clock and the criterion the counts were made under.
// The series that was open is not part of it: a resumed drill draws a new one, under the
// window's own criterion and threshold.
struct SavedDrill {
    std::vector<ListEntry> entries;          // in play, in the drill's order
    std::vector<std::int32_t> successCount;  // parallel to entries
    std::int32_t listSize = 0;               // entries of the whole list at its start
    std::int16_t seriesDone = 0;
    std::int32_t errorCount = 0;
    std::int32_t totalSeconds = 0;
    // The criterion by successes and its threshold at the last success counted; while none is,
    // the criterion the drill started under.
    Criterion criterion = Criterion::BySuccesses;
    double threshold = 1;
};

}  // namespace drill
