#pragma once

#include <listmaking/ownwords/OwnWordsImport.h>

#include <string>
#include <vector>

namespace listmaking {

// The report of an import, written beside the lists: the player's words that the dictionary
// lacks, those with no form of 2 to 9 letters, every refused line with its number and reason,
// then the notes of the run (a list left out and why). In French, as lines of Windows-1252
// like every file of the data folder.
class ImportReport {
public:
    static std::vector<std::string> lines(const OwnWordsSummary& summary);
    // The same in UTF-8, for the screen or a test.
    static std::vector<std::string> utf8Lines(const OwnWordsSummary& summary);
};

}  // namespace listmaking
