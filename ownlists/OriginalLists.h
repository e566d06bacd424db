#pragma once

#include <ownlists/ImportSetup.h>
#include <status/Result.h>
#include <status/Status.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace ownlists {

// The lists that a player's import stands in for, and the way back to them. Nothing is ever
// deleted: the player's lists are put aside in a folder named with the date and time
// ("data-mes-mots-2026-12-08-101500", beside the data folder).
//
// - In the player's own folder, going back puts that whole folder aside: the lists installed
//   with the program are drilled again.
// - In the working folder's data/ (a source checkout), the first import keeps the files it
//   replaces in "data-d-origine" beside it, whole or not at all: they are gathered in a hidden
//   folder, marked complete (with the number of files kept), then that folder takes its name.
//   A "data-d-origine" without the mark, or with fewer files than it says, is not a keep: it
//   is put aside ("data-d-origine-incomplet") and never offered. Going back gives the
//   player's files second names in the folder put aside, then switches the kept ones into
//   data/ all together, as an import does (listfolder::StagedFiles, journaled): killed at any
//   step, the next start leaves either every original list or every one of the player's.
//   Other files of data/ (README.md, a list made by hand under another name) stay where they
//   are.
//
// Both are done under the data folder's lock (FolderLock), after a switch cut short there is
// undone.
class OriginalLists {
public:
    static constexpr const char* keptFolderName = "data-d-origine";
    static constexpr const char* asidePrefix = "data-mes-mots-";
    static constexpr const char* completeMark = ".garde-complete";

    explicit OriginalLists(ImportSetup setup);

    std::string keptFolder() const;

    // Before an import into the working folder's data/, under its lock: the first time, the
    // files `names` that are there are kept (a second name for each, or a copy). A failure in
    // French; nothing is then kept. Nothing to do in the player's folder.
    status::Status keep(const std::vector<std::string>& names);
    // The kept folder is a whole keep of an earlier import.
    bool keptWhole() const;
    // After an import that failed: what keep() made is removed again.
    void forgetKept();

    // What going back at `now` does, in French, for the player to confirm; empty when there
    // is nothing to go back from or to.
    std::string whatGoingBackDoes(std::time_t now) const;
    // Why there is no going back, in French (when whatGoingBackDoes() is empty).
    std::string whyNoGoingBack() const;
    // Goes back to the original lists; `now` names the folder the player's lists go to, which
    // it gives. A failure in French naming where every file is.
    status::Result<std::string> goBack(std::time_t now);

    // For tests: asked before each step: each file kept ("garde NAME") and the kept folder
    // taking its name ("garde complète"); going back, each of the player's files put aside
    // ("de côté NAME"), the steps of the switch (listfolder::StagedFiles::allowStep) and the
    // keep taken away ("garde retirée"). False makes that step fail as a full disk would.
    std::function<bool(const std::string& step)> allowStep;

private:
    std::string parentFolder() const;
    std::string stagingFolder() const;
    std::vector<std::string> keptLists() const;
    status::Status setIncompleteAside() const;
    status::Status gather(const std::vector<std::string>& names) const;
    std::string asideName(std::time_t now) const;
    status::Result<std::string> putFolderAside(std::time_t now) const;
    status::Result<std::string> bringBack(std::time_t now);
    status::Status keepPlayersLists(const std::string& asideFolder) const;
    status::Status switchBack() const;

    ImportSetup setup_;
    bool madeKept_ = false;
};

}  // namespace ownlists
