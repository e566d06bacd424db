#pragma once

#include <ownlists/ImportSetup.h>

#include <ctime>
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
//   replaces in "data-d-origine" beside it; going back puts the player's files aside and
//   brings those back. Other files of data/ (README.md, a list made by hand under another
//   name) stay where they are.
class OriginalLists {
public:
    static constexpr const char* keptFolderName = "data-d-origine";
    static constexpr const char* asidePrefix = "data-mes-mots-";

    explicit OriginalLists(ImportSetup setup);

    std::string keptFolder() const;

    // Before an import into the working folder's data/: the first time, the files `names`
    // that are there are kept (a second name for each, or a copy). False, with `error` in
    // French; nothing is then kept. Nothing to do in the player's folder.
    bool keep(const std::vector<std::string>& names, std::string& error);
    // After an import that failed: what keep() made is removed again.
    void forgetKept();

    // What going back at `now` does, in French, for the player to confirm; empty when there
    // is nothing to go back from.
    std::string whatGoingBackDoes(std::time_t now) const;
    // Goes back to the original lists; `now` names the folder the player's lists go to.
    // False, with `error` in French naming where every file is.
    bool goBack(std::time_t now, std::string& asideFolder, std::string& error);

private:
    std::string parentFolder() const;
    std::string asideName(std::time_t now) const;
    bool moveFiles(const std::string& from, const std::string& to,
                   const std::vector<std::string>& names, std::string& error) const;

    ImportSetup setup_;
    bool madeKept_ = false;
};

}  // namespace ownlists
