#pragma once

#include <catalogue/DrawPadding.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace listmaking {

// Lines of the list-file format for words: draw ";" solutions. An answer box takes no more
// characters than its draw, so a draw shorter than its solutions is padded with "+"
// (catalogue::DrawPadding).
class SolutionLines {
public:
    // One line per draw, in draw order: a word alone gives words::drawKey(word) ";" word; words of
    // the set that share a draw go on one line, in alphabetical order, one space apart.
    static std::vector<std::string> ofWords(const std::set<std::string>& words);

    // The line of a draw and the words it forms (in the order given).
    static std::string line(const std::string& draw, const std::vector<std::string>& words);

    // `draw` lengthened with "+" to `length` characters, at its back or in front.
    using Side = catalogue::DrawPadding::Side;
    static std::string padded(std::string draw, std::size_t length, Side side = Side::back)
    {
        return catalogue::DrawPadding::padded(std::move(draw), length, side);
    }

    // At most `limit` lines, spread evenly over the whole list, in their order (for a caller
    // that wants a sample; the catalogue files carry every line).
    static std::vector<std::string> thinned(std::vector<std::string> lines, std::size_t limit);
};

}  // namespace listmaking
