#pragma once

#include <ownlists/ImportSetup.h>
#include <ownlists/OriginalLists.h>

#include <listmaking/ownwords/ImportMessages.h>
#include <listmaking/ownwords/OwnWordsImport.h>

#include <string>
#include <vector>

namespace ownlists {

// One import of the player's words by vorlane, from its window or its command line: the
// engine's import (listmaking::OwnWordsImport) into the place that ImportSetup gives, with the
// original lists of a working folder kept before the first one is replaced, under the same
// lock. Steps: read(), plan() (refused while another run holds the lock), then run(), from any
// thread.
class ImportSession {
public:
    // `replace`: leave to replace the files already there; `howToReplace` says how to give it.
    ImportSession(ImportSetup setup, bool replace, const std::string& howToReplace);
    ImportSession(const ImportSession&) = delete;
    ImportSession& operator=(const ImportSession&) = delete;

    // A switch cut short in the lists folder (since the program started) is undone, and said
    // first in every message of this import.
    void repairFirst();
    const std::vector<std::string>& repaired() const { return repaired_; }
    // `control` may cancel the reading of a huge file and follows its progress.
    bool read(const std::string& playerFile, const listmaking::RunControl& control = {});
    // The data folder made when missing and looked at; false, with errorText(), also when the
    // run would write nothing (files that must stay, or no leave to replace those there).
    bool plan();
    // The files of the data folder that the run replaces.
    const std::vector<std::string>& replaced() const { return import_.folderPlan().present; }
    bool run(const listmaking::RunControl& control);

    const ImportSetup& setup() const { return setup_; }
    const listmaking::OwnWordsImport& engine() const { return import_; }
    std::string errorText() const;
    // What the front ends say, the same lines from each: why read() or plan() stopped the
    // import, and what a run did.
    listmaking::ImportMessages::Lines messagesOfStop(const std::string& program) const;
    listmaking::ImportMessages::Lines messagesOfRun(const std::string& program, bool ok,
                                                    double seconds) const;

    // For tests: handed to the engine (listfolder::StagedFiles::allowStep) and to the keeping of
    // the original lists (OriginalLists::allowStep).
    void allowStep(std::function<bool(const std::string& step)> allow);

private:
    ImportSetup setup_;
    listmaking::OwnWordsImport import_;
    OriginalLists originals_;
    bool read_ = false;
    std::vector<std::string> repaired_;
    std::string error_;  // why plan() refused, or the originals could not be kept
};

}  // namespace ownlists
