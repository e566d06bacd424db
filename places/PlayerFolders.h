#pragma once

#include <string>

namespace places {

// The player's own folders: where the lists made from their words, their progress, their
// options and the work files of an import live. Paths are UTF-8; each is empty when the player
// has no home (noHome() says why).
class PlayerFolders {
public:
    // The folders the system gives for data, settings and files that can be made again: on
    // Linux as the XDG rules read them (the variable when it holds an absolute path, a relative
    // one being ignored, else $HOME/.local/share, $HOME/.config, $HOME/.cache); on Windows
    // %APPDATA% for the first two and %LOCALAPPDATA% for the last.
    static std::string dataHome();
    static std::string configHome();
    static std::string cacheHome();

    // <data home>/vorlane/data: the lists made from the player's words.
    static std::string lists();
    // <data home>/vorlane/progress: where each list was left, as the earlier versions kept it.
    static std::string progress();
    // <data home>/vorlane/etude.sqlite: the study record (every answer, the review deck, the
    // progress on each list).
    static std::string studyRecord();
    // <config home>/vorlane/vorlane.conf: the training window's options.
    static std::string options();
    // <cache home>/vorlane: the prepared lexicon and the waiting files of an import.
    static std::string work();

    // The player's lists folder as the help names it to any player: %APPDATA%\vorlane\data on
    // Windows, ~/.local/share/vorlane/data elsewhere.
    static std::string listsAsNamed();

    // Why the player has no folder of their own, in French.
    static std::string noHome();
};

}  // namespace places
