#pragma once

#include <string>
#include <vector>

namespace listfolder {

// What a program does first with a lists folder it is about to read or write: a switch cut
// short there (SwitchJournal) is undone under the folder's lock, so that no one reads a mix of
// new and old lists. Where the folder cannot be locked or written, nothing is touched and the
// player is told which lists are new.
class FolderRepair {
public:
    // What was found and done, in French, to be said first; empty when the folder is whole.
    static std::vector<std::string> atStart(const std::string& dataDir);
};

}  // namespace listfolder
