#pragma once

#include <array>
#include <string>

namespace drill {

// What the window shows after a series draw.
struct SeriesDraw {
    int seriesSize = 0;  // slots 0 .. seriesSize-1 hold an entry
    std::array<std::string, 30>
        drawTexts;                // text of each draw box (Windows-1252; empty beyond the series)
    std::string entriesLeftText;  // for "motsleft": entryCount in decimal
};

}  // namespace drill
