#pragma once

#include <string>
#include <vector>

namespace places {

// Where the trainer reads its lists, in this order: "data/<file>" in the working folder (the
// lists being made or tried out, a source checkout's), then the player's own folder (the lists
// made from the player's words), then the lists installed with the program. Each folder after
// the working folder's stands for a "data" folder.
class ListFolders {
public:
    // The working folder's data folder, as the catalogue names its files.
    static constexpr const char* workingData = "data";

    // The folders searched after the working folder's data/, in order.
    static std::vector<std::string> afterWorkingFolder();
    // Whether the working folder's data/ is in use: it holds at least one file of the
    // catalogue, which it then gives before any other folder.
    static bool workingFolderInUse();
    // The working folder's data/, as an absolute path.
    static std::string workingFolder();
    // Where the lists made from the player's words go: where the trainer reads first, the
    // working folder's data/ when it is in use, else the player's own folder (empty without a
    // home).
    static std::string importDestination();
};

}  // namespace places
