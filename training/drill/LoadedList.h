#pragma once

#include <training/drill/ListEntry.h>

#include <string>
#include <vector>

namespace drill {

// What reading a list gave: its entries, or the reason why it was refused.
struct LoadedList {
    bool ok = false;
    std::vector<ListEntry> entries;  // in file order, blank lines left out
    std::string path;                // the file actually read (empty when none was found)
    std::string message;             // UTF-8 French message for the player; empty when ok
};

}  // namespace drill
