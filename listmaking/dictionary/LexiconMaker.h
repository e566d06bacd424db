#pragma once

#include <lexicon/PreparedLexicon.h>
#include <lexicon/SourceFiles.h>
#include <listmaking/RunControl.h>
#include <listmaking/dictionary/AffixRules.h>
#include <listmaking/dictionary/DicEntry.h>
#include <listmaking/dictionary/ParallelChecker.h>
#include <listmaking/dictionary/WordFilter.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace listmaking {

// Makes the prepared lexicon from the dictionaries: every entry of the modern dictionary
// expanded with its affix file (AffixExpander), every form judged by Hunspell with the same
// files, the entries sorted by the word filter, the forms and words that the older lists
// hold marked, the older words that Hunspell accepts kept for the whole dictionary, and the
// spellings of the reformed dictionary that the modern one lacks.
//
// A new word, for the default lists, is an entry whose headword Hunspell accepts and that no
// older list holds, neither as it is nor, for a noun or an adjective, by one of its forms (a
// noun whose plural or an adjective whose feminine is there is not new).
class LexiconMaker {
public:
    explicit LexiconMaker(lexicon::SourcePaths paths) : paths_(std::move(paths)) {}

    // False, with errorText() in French, when a source that every list needs cannot be read,
    // or when the run was cancelled (errorText() then empty).
    bool make(lexicon::PreparedLexicon& lexicon, const RunControl& control = {});
    std::string errorText() const { return error_; }
    // The older dictionaries that could not be read, each with its reason.
    const std::vector<std::string>& missingSources() const { return missing_; }

private:
    struct PendingForm {
        std::uint32_t spelling;  // index in spellings_
        lexicon::LexiconForm form;
    };
    struct PendingEntry {
        lexicon::LexiconEntry entry;
        std::uint32_t headword;
        bool isVerb;
        std::vector<PendingForm> forms;
    };

    bool readModern(AffixRules& rules, std::vector<DicEntry>& entries, WordFilter& filter);
    std::uint32_t spellingIndex(const std::string& spelling);
    void expand(const AffixRules& rules, const std::vector<DicEntry>& entries,
                const WordFilter& filter, const RunControl& control);
    void keepAccepted(const std::vector<char>& accepted,
                      const std::unordered_set<std::string>& older);
    void markNewEntries(const std::unordered_set<std::string>& older);
    void collectOlderWords(const std::vector<std::string>& older, const std::vector<char>& accepted,
                           lexicon::PreparedLexicon& lexicon);
    void forgetKnown(std::unordered_set<std::string>& words, bool refusedToo) const;
    void collectNewSpellings(const WordFilter& filter, lexicon::PreparedLexicon& lexicon);
    void assemble(lexicon::PreparedLexicon& lexicon);

    lexicon::SourcePaths paths_;
    std::string error_;
    std::vector<std::string> missing_;
    std::vector<std::string> spellings_;  // every form to judge, once
    std::unordered_map<std::string, std::uint32_t> spellingIndex_;
    std::vector<PendingEntry> pending_;
    std::vector<std::uint32_t> properSpellings_;  // spellings of the proper nouns
    std::unique_ptr<ParallelChecker> checker_;
};

}  // namespace listmaking
