#pragma once

#include <training/drill/Series.h>

#include <array>
#include <string>

namespace drill {

// What the window shows after a series draw.
struct SeriesDraw {
    int seriesSize = 0;  // slots 0 .. seriesSize-1 hold an entry
    // Text of each draw box: Windows-1252, empty beyond the series.
    std::array<std::string, kSlots> drawTexts;
    std::string entriesLeftText;  // for "motsleft": entryCount in decimal
};

}  // namespace drill
