#pragma once

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
};

}  // namespace drill
