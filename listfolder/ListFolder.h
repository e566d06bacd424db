#pragma once

#include <status/Status.h>

#include <string>
#include <vector>

namespace listfolder {

// What a run would do to the data folder: the files of the run already there, and those of
// them that must never be replaced (a link, anything but a plain file, a file made read-only).
struct FolderPlan {
    std::string dataDir;
    bool created = false;                     // the folder was missing and has been made
    std::vector<std::string> present;         // names of the run's files that are there
    std::vector<std::string> protectedFiles;  // "name : reason" for those that must stay
};

// The data folder of the lists.
class ListFolder {
public:
    // Makes the folder when it is missing (with its parents) and checks that files may be put
    // in it; `created` tells whether it was missing. A failure in French naming the folder and
    // the system's reason.
    static status::Status prepare(const std::string& dataDir, bool& created);
    // Which of `names` are there, and which of those may not be replaced.
    static FolderPlan inspect(const std::string& dataDir, const std::vector<std::string>& names);
    // Why a file that is there may not be replaced by a new one, in French; empty when it may.
    static std::string protection(const std::string& path);
};

}  // namespace listfolder
