#pragma once

#include <string>

namespace drill {

// Reads the threshold typed in the threshold box: blanks (space, tab, CR, LF) are
// skipped wherever they stand, then an optional sign, digits and one "." are read
// until a character that cannot continue the number. No number gives 0.
// "2.5" -> 2.5, "2,5" -> 2, "abc" -> 0, "" -> 0, " 3" -> 3.
class Threshold {
public:
    static double parse(const std::string& text);
};

}  // namespace drill
