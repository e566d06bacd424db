#pragma once

#include <lexicon/PreparedLexicon.h>
#include <lexicon/SourceFiles.h>
#include <listmaking/RunControl.h>

#include <string>
#include <vector>

namespace listmaking {

// The prepared lexicon of the work folder: read when it was made from the sources as they are
// now; else the lexicon installed with the program, when it was made from the same modern
// dictionary (SourceFingerprint::madeFromSameDictionary); else made again (LexiconMaker) and
// saved in the work folder. It is written under a new temporary name and renamed, so that a
// cut run never leaves a half lexicon behind.
class LexiconStore {
public:
    static constexpr const char* fileName = "lexique.txt";
    // The step that makes the lexicon, which only the first run of a machine goes through.
    static constexpr const char* makingStep = "préparation du dictionnaire (une seule fois)";

    explicit LexiconStore(lexicon::SourcePaths paths) : paths_(std::move(paths)) {}

    std::string path() const { return paths_.workDir + "/" + fileName; }
    // True when the saved or the installed lexicon may be used (nothing to make).
    bool isFresh() const;
    // Reads the saved lexicon or makes it. False, with errorText() in French, when it can be
    // neither read nor made, or when the run was cancelled (errorText() empty).
    bool obtain(lexicon::PreparedLexicon& lexicon, const RunControl& control = {});
    std::string errorText() const { return error_; }
    // After obtain(): whether it was made by this run and kept for the next ones, and what
    // could not be used or saved.
    bool made() const { return made_; }
    bool saved() const { return saved_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    bool savedIsFresh() const;
    bool shippedFits() const;
    bool read(const std::string& path, lexicon::PreparedLexicon& lexicon);
    std::string workFolderProblem() const;
    void save(const lexicon::PreparedLexicon& lexicon);

    lexicon::SourcePaths paths_;
    std::string error_;
    bool made_ = false;
    bool saved_ = false;
    std::vector<std::string> warnings_;
};

}  // namespace listmaking
