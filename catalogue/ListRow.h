#pragma once

#include <catalogue/ListRule.h>

#include <string>

namespace catalogue {

// One training list: what the launcher shows, where its file lies, how it is made, and what
// the trainer derives from its rule.
struct ListRow {
    std::string title;     // UTF-8, as the launcher shows it
    int box = 0;           // 0: first box, 1: second box
    std::string fileName;  // file name in the data folder
    ListRule rule;

    // The path the trainer reads, "data/<fileName>", relative to the folders it searches.
    std::string path() const;
    // Point size of the draw and answer boxes: 10 for the lists of the longest words (the verb
    // and invariable lists, of up to 10 letters, and the nine-letter lists), 11 for the others.
    int gridPoints() const;
    // The extension lists, whose missed answers are swapped with their draw at correction
    // instead of being struck through.
    bool isExtensionList() const;
};

}  // namespace catalogue
