#pragma once

#include <ownlists/ImportSetup.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace ownlists {

// What vorlane is asked to do by its command line.
struct CommandLine {
    enum class Action { window, importWindow, importWords, help, wrong };

    Action action = Action::window;
    std::string playerFile;    // --mes-mots FICHIER
    bool replace = false;      // --remplacer
    std::string error;         // why the line is wrong, in French
    bool fileMissing = false;  // wrong because --mes-mots ends the line: the file is to be chosen

    // What `vorlane --aide` prints.
    static std::string usage();

    // No Qt needed: the line is read before any application object is made.
    static CommandLine parse(int argc, const char* const* argv);

    // `vorlane --mes-mots FICHIER [--remplacer]`: the import without a window, its text the
    // same as the window's and listgen's. The exit status: 0 done, 1 failed or refused,
    // 130 interrupted (`cancel`); nothing is changed unless it is done.
    int importWords(const ImportSetup& setup, const std::atomic<bool>* cancel,
                    std::FILE* out = stdout, std::FILE* errors = stderr) const;
};

}  // namespace ownlists
