#pragma once

#include <training/drill/Series.h>
#include <training/drill/SlotCorrection.h>
#include <training/drill/Verdict.h>

#include <array>
#include <string>

namespace drill {

// Everything the window paints after a correction.
struct CorrectionResult {
    Verdict lastSlotVerdict =
        Verdict::Unchanged;  // grading of the last slot (by speed), for "voyant"
    std::array<SlotCorrection, kSlots> slots;
    int foundCount = 0;
    int seriesSize = 0;
    std::string scoreText;       // "7/30"
    std::string seriesDoneText;  // UTF-8: "3 série(s) déjà réalisée(s)."
    std::string errorCountText;  // "12"
    std::string timeUsedText;    // for "tps": "1:25"
    bool finished = false;       // no entry left: " BRAVO! ", drill clock stopped, no new series
};

}  // namespace drill
