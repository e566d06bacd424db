#pragma once

#include <catalogue/ListRow.h>

#include <cstddef>
#include <string>
#include <vector>

namespace catalogue {

// The training lists, first box then second box, each in launcher order. Adding a list is
// adding its row to Catalogue.cpp: the launcher, the loader and the generator follow.
class Catalogue {
public:
    static const std::vector<ListRow>& rows();
    // Number of lists in box `box` (0 or 1; none in any other).
    static std::size_t countInBox(int box);
    // Titles of box `box` in launcher order; empty for any other number.
    static std::vector<std::string> titles(int box);
    // The row of `title` looked up within box `box` only, compared exactly; null when none.
    static const ListRow* find(const std::string& title, int box);
};

}  // namespace catalogue
