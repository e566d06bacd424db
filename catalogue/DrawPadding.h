#pragma once

#include <cstddef>
#include <string>

namespace catalogue {

// The "+" of the list files. An answer box takes no more characters than its draw, so a draw
// shorter than its solutions is lengthened with "+" to their length; the tiles show an
// anagram draw so padded without it.
class DrawPadding {
public:
    enum class Side { back, front };
    // `draw` lengthened with "+" to `length` characters, at its back or in front.
    static std::string padded(std::string draw, std::size_t length, Side side = Side::back);
    // The letters of a draw box's text for the tiles: a text of 10 characters or more, longer
    // than any draw, is an anagram draw padded to all its solutions and loses its "+".
    static std::string tileLetters(std::string text);
};

}  // namespace catalogue
