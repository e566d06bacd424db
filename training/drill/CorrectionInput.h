#pragma once

#include <training/drill/Criterion.h>

#include <array>
#include <string>

namespace drill {

// What correction reads from the window.
struct CorrectionInput {
    std::array<std::string, 30> answers;    // text of each answer box, Windows-1252
    std::array<std::string, 30> drawTexts;  // text of each draw box, Windows-1252
    Criterion criterion = Criterion::BySuccesses;
    double threshold = 1;               // Threshold::parse of the threshold box
    std::string timeLeftText = "4:00";  // text of the series clock "temps"
};

}  // namespace drill
