#pragma once

#include <training/drill/ListEntry.h>

#include <status/Result.h>

#include <string>
#include <vector>

namespace drill {

// A list read whole: its entries and the file they came from.
struct LoadedList {
    std::vector<ListEntry> entries;  // in file order, blank lines left out
    std::string path;                // the file actually read (empty when read from elsewhere)
};

// What reading a list gives: the list, or why it was refused in French, for the player.
using ListLoad = status::Result<LoadedList>;

}  // namespace drill
