#pragma once

#include <string>

namespace listfolder {

// The places where the new files of a run wait before they are switched into a lists folder
// (StagedFiles), named from the lists folder's real path: its own folder in a work folder, or
// a hidden folder beside it. A switch journal names one of them, and a repair takes files
// back from no other place.
class WaitingFolder {
public:
    // The lists folder's waiting folder in the work folder `workDir`.
    static std::string inWorkFolder(const std::string& workDir, const std::string& realData);
    // The hidden waiting folder beside the lists folder.
    static std::string beside(const std::string& realData);
    // The folder that holds the lists folder.
    static std::string parentOf(const std::string& realData);
    // Whether `path`, as a journal of the lists folder `dataDir` names it, is one of that
    // folder's waiting folders: an absolute path with no link, no "." nor "..", that is the
    // folder beside it or bears its name in a work folder.
    static bool isOwn(const std::string& path, const std::string& dataDir);
};

}  // namespace listfolder
