#pragma once

#include <cstdint>
#include <string>

namespace drill {

// How correction marks one slot. Texts are Windows-1252 bytes.
struct SlotCorrection {
    bool inSeries = false;       // false: slot beyond the series, left untouched
    bool found = false;          // answer box light green (found) or light red (missed)
    std::string answerText;      // text the answer box shows now
    std::string tooltip;         // "Vous aviez saisi: ..." / "Tirage: ..."; empty = none
    bool struckThrough = false;  // the typed answer stays, struck through
    std::string drawText;        // text the draw box shows now
    bool drawRevealed = false;   // the draw box shows the solutions and turns light green

    // What the slot held, for the study record and the progress kept: its entry (index in the
    // drill's tables before the correction compacted them), that entry's draw and solutions,
    // the seconds its answer box held the focus, and where the entry stands now.
    std::int32_t entry = -1;
    std::string entryDraw;
    std::string entrySolutions;
    std::int32_t seconds = 0;
    std::int32_t successCount = 0;  // after the correction
    bool eliminated = false;        // by this correction
};

}  // namespace drill
