#pragma once

#include <string>

namespace drill {

// One title of the launcher's catalogue and the list file it names.
struct CatalogueRow {
    std::string title;  // UTF-8, as the launcher shows it
    int list = 0;       // 0: first box, 1: second box
    std::string file;   // relative path, "data/....txt"
};

}  // namespace drill
