#pragma once

#include <training/drill/ListEntry.h>

#include <string>

namespace drill {

// One draw of a review: its entry, the list it came from, and whether that list is an
// extension list, whose missed answers are swapped with their draw as in its own drill.
struct ReviewDraw {
    ListEntry entry;
    std::string origin;  // the list's file name in its folder, UTF-8
    bool extension = false;
};

}  // namespace drill
