#pragma once

#include <string>
#include <vector>

namespace training {

// Where the trainer reads its lists, in this order: "data/<file>" in the working folder (the
// lists being made or tried out, a source checkout's), then the player's own folder (the lists
// made from the player's words), then the lists installed with the program. Each folder after
// the working folder's stands for a "data" folder.
class ListFolders {
public:
    // The working folder's data folder, as the catalogue names its files.
    static constexpr const char* workingData = "data";

    // <data home>/vorlane/data; empty without a home (noHome() says why).
    static std::string playerFolder();
    // The player's data, cache and settings folders as the XDG rules give them: the variable
    // when it holds an absolute path (a relative one is ignored), else $HOME/.local/share,
    // $HOME/.cache or $HOME/.config; empty when there is no absolute HOME either.
    static std::string dataHome();
    static std::string cacheHome();
    static std::string configHome();
    // Why the player has no folder of their own, in French.
    static std::string noHome();
    // The lists installed with the program: share/vorlane/data beside its bin folder.
    static std::string shippedFolder();
    // The folders searched after the working folder's data/, in order.
    static std::vector<std::string> afterWorkingFolder();
    // Whether the working folder's data/ is in use: it holds at least one file of the
    // catalogue, which it then gives before any other folder.
    static bool workingFolderInUse();
};

}  // namespace training
