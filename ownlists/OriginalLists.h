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
//   folder, marked complete, then that folder takes its name. A "data-d-origine" without the
//   mark is not a keep: it is put aside ("data-d-origine-incomplet") and never offered. Going
//   back puts the player's files aside and brings the kept ones back. Other files of data/
//   (README.md, a list made by hand under another name) stay where they are.
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

    // For tests: asked before each file is kept ("garde NAME") and before the kept folder
    // takes its name ("garde complète"); false makes that step fail as a full disk would.
    std::function<bool(const std::string& step)> allowStep;

private:
    std::string parentFolder() const;
    std::string stagingFolder() const;
    status::Status setIncompleteAside() const;
    status::Status gather(const std::vector<std::string>& names) const;
    status::Result<std::string> moveBack(std::time_t now);
    std::string asideName(std::time_t now) const;
    status::Status moveFiles(const std::string& from, const std::string& to,
                             const std::vector<std::string>& names) const;

    ImportSetup setup_;
    bool madeKept_ = false;
};

}  // namespace ownlists
