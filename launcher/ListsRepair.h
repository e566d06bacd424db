#pragma once

#include <QStringList>

namespace launcher {

// What the program does first, before any window reads a list: a switch of lists cut short in
// a folder the launcher reads (the working folder's, the player's) is undone, or, where another
// run holds the folder and it cannot be, the lists that are new are named. Each note is said
// on standard error and given back, for the launcher to show in its message band.
class ListsRepair {
public:
    static QStringList atStart();
};

}  // namespace launcher
