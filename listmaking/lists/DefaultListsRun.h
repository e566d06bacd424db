#pragma once

#include <lexicon/SourceFiles.h>
#include <listmaking/RunControl.h>

#include <string>
#include <utility>
#include <vector>

namespace listmaking {

// The lists made from the dictionaries alone, at set-up: only the catalogue files missing from
// the data folder are written (a list already there, one made by hand for instance, is never
// touched), all together (StagedFiles). The prepared lexicon is made when it is missing or
// stale even when no list is missing, so that a player's own list is quick afterwards.
class DefaultListsRun {
public:
    DefaultListsRun(std::string dataDir, lexicon::SourcePaths sources);

    // Makes the data folder when missing and finds the missing files. False, with
    // errorText() in French, when the folder cannot be made or written.
    bool plan();
    const std::vector<std::string>& missingFiles() const { return missing_; }
    bool run(const RunControl& control = {});

    const std::vector<std::pair<std::string, std::size_t>>& linesPerFile() const
    {
        return written_;
    }
    // The prepared lexicon was made by this run and kept in the work folder.
    bool lexiconMade() const { return lexiconMade_; }
    // Older lists missing, the reformed dictionary missing, leftovers undone, in French.
    const std::vector<std::string>& notes() const { return notes_; }
    std::string errorText() const { return error_; }
    bool cancelled() const { return cancelled_; }

private:
    std::string dataDir_;
    lexicon::SourcePaths sources_;
    std::vector<std::string> missing_;
    std::vector<std::pair<std::string, std::size_t>> written_;
    std::vector<std::string> notes_;
    bool lexiconMade_ = false;
    bool cancelled_ = false;
    std::string error_;
};

}  // namespace listmaking
