#pragma once

#include <string>
#include <vector>

namespace training {

// Where the trainer reads its lists: "data/<file>" in the working folder first (the lists being
// made or tried out), then in each of these folders in order, each standing for a "data" folder.
class ListFolders {
public:
    // The lists installed with the program: share/vorlane/data beside its bin folder.
    static std::vector<std::string> afterWorkingFolder();
};

}  // namespace training
