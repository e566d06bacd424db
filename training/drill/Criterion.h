#pragma once

#include <string_view>

namespace drill {

// How an entry earns its elimination.
enum class Criterion {
    BySuccesses,  // found a number of times ("réussites.")
    BySpeed,      // found in less than a number of seconds ("secondes.")
};

// The criterion named by the caption of the unit label: "s..." is by speed,
// anything else ("r...") by successes.
inline Criterion criterionFromCaption(std::string_view caption)
{
    return !caption.empty() && caption.front() == 's' ? Criterion::BySpeed : Criterion::BySuccesses;
}

}  // namespace drill
