#pragma once

#include <lexicon/SourceFiles.h>

#include <string>

namespace places {

// What comes with the program, found beside its bin folder: installed, share/vorlane holds the
// lists, the prepared lexicon and the stop list; run from a build folder (where it was built,
// or moved or copied since), the work folder of `make lists` holds the lexicon and the
// dictionaries it was made from. On Windows share/vorlane also holds the French dictionary.
class ProgramFiles {
public:
    // share/vorlane/data: the lists installed with the program.
    static std::string shippedLists();
    // The work folder of `make lists` when the program runs from a build folder; empty when
    // it is installed.
    static std::string buildWorkFolder();
    // What an import of the player's words reads (dictionaries, lexicon, stop list) and where
    // it works: the build's work folder, or the installed files and the player's work folder.
    // Its workDir is empty when the player has no home.
    static lexicon::SourcePaths importSources();
};

}  // namespace places
