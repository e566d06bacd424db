#pragma once

#include <lexicon/SourceFiles.h>

#include <string>
#include <utility>

namespace ownlists {

// Where an import of the player's words writes the lists, and what it reads to make them.
struct ImportSetup {
    ImportSetup() = default;
    ImportSetup(std::string dataDir, bool workingFolder, lexicon::SourcePaths sources,
                std::string shippedDir = {})
        : dataDir(std::move(dataDir)),
          workingFolder(workingFolder),
          sources(std::move(sources)),
          shippedDir(std::move(shippedDir))
    {
    }

    std::string dataDir;
    // dataDir is the working folder's data/, in use (a source checkout): the lists it holds
    // before the first import are kept beside it (OriginalLists).
    bool workingFolder = false;
    // The dictionaries, the work folder (prepared lexicon, waiting files, the lock), the
    // lexicon installed with the program and the stop list.
    lexicon::SourcePaths sources;
    // The lists installed with the program, that going back in the player's own folder drills
    // again; empty or without a list: there is nothing to go back to.
    std::string shippedDir;
    // Why no import can be made here, in French (no home for the player's folders); empty
    // when it can.
    std::string problem;

    // For this program, from the places it reads and writes (places/).
    static ImportSetup forThisProgram();
    // Where the lists go and why there, in French, as shown (listmaking::ShownText).
    std::string destination() const;

private:
    std::string destinationText() const;
};

}  // namespace ownlists
