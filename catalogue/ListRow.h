#pragma once

#include <catalogue/ListRule.h>

#include <string>

namespace catalogue {

// One training list: what the launcher shows, where its file lies, how it is made.
struct ListRow {
    std::string title;     // UTF-8, as the launcher shows it
    int box = 0;           // 0: first box, 1: second box
    std::string fileName;  // file name in the data folder
    ListRule rule;
};

}  // namespace catalogue
