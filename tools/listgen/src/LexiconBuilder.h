#pragma once

#include <tools/listgen/src/DicEntry.h>
#include <tools/listgen/src/FormChecker.h>
#include <tools/listgen/src/FormExpander.h>
#include <tools/listgen/src/Lexicon.h>
#include <tools/listgen/src/WordFilter.h>

#include <functional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace listgen {

// The word sources, as read from disk (UTF-8).
struct DictionarySources {
    std::vector<DicEntry> modern;    // hunspell-fr-classical
    std::vector<DicEntry> reformed;  // hunspell-fr-revised, 1990 spelling
    bool hasReformed = false;
    std::vector<std::string> older;  // every older word list, every form
};

// Sorts the words of the sources into the sets of a Lexicon.
//
// A form counts only when the checker (Hunspell with the same dictionary) accepts it, and an
// entry only when the word filter lets it through. A new word is an entry that no older list
// holds, neither as it is nor by one of its forms (a noun whose plural or an adjective whose
// feminine is there is not new); its forms that an older list holds are not new either.
// Verbs that are only pronominal keep their forms: the game takes them without the pronoun.
class LexiconBuilder {
public:
    static constexpr std::size_t shortest = 2;
    static constexpr std::size_t longestEntry = 10;  // the "<11L" lists
    static constexpr std::size_t longestWord = 9;    // every other list
    static constexpr std::size_t shortestAnagram = 4;

    // Every form is accepted and every entry kept (sources already clean).
    explicit LexiconBuilder(FormExpander& expander);
    // `reformedChecker` judges the words of the reformed dictionary; may be null.
    LexiconBuilder(FormExpander& expander, FormChecker& checker, const WordFilter& filter,
                   FormChecker* reformedChecker = nullptr);

    // The player's own list of new words, in game spelling: it stands in for the novelty
    // rule. Words that the dictionary lacks become bare new words.
    void setOwnWords(std::set<std::string> words);
    // After build(): the own words that no dictionary entry spells.
    const std::set<std::string>& ownWordsMissing() const { return ownMissing_; }
    // After build(): the own words shorter or longer than every list (1 letter, 11 or more).
    const std::set<std::string>& ownWordsOutOfRange() const { return ownOutOfRange_; }

    // False, with errorText(), when the forms could not be expanded.
    bool build(const DictionarySources& sources, Lexicon& lexicon);
    std::string errorText() const { return error_; }

private:
    // An entry that is a word of the game, with its game spelling.
    struct GameEntry {
        std::string word;
        const DicEntry* entry;
    };

    std::vector<GameEntry> gameEntries(const std::vector<DicEntry>& entries,
                                       std::vector<std::string>* refusedLines) const;
    // Expands the lines and hands on the accepted forms, in game spelling, with their spelling
    // in the dictionary. Forms whose game spelling is `settled` are not checked.
    bool expandChecked(
        const std::vector<std::string>& dicLines,
        const std::function<bool(const std::string& game)>& settled,
        const std::function<void(const std::string& game, const std::string& raw)>& onForm);
    bool collectWhole(const std::vector<GameEntry>& modern,
                      const std::vector<std::string>& refusedLines,
                      const DictionarySources& sources, Lexicon& lexicon);
    bool collectNewWords(const std::vector<GameEntry>& modern,
                         const std::unordered_set<std::string>& older, Lexicon& lexicon);
    std::vector<GameEntry> candidates(const std::vector<GameEntry>& modern,
                                      const std::unordered_set<std::string>& older) const;
    bool dropOldByForm(std::vector<GameEntry>& entries,
                       const std::unordered_set<std::string>& older);
    void collectNewSpellings(const std::vector<GameEntry>& modern,
                             const std::vector<DicEntry>& reformed, Lexicon& lexicon);
    static std::unordered_set<std::string> olderWords(const std::vector<std::string>& older);
    static void groupByDraw(Lexicon& lexicon);

    FormExpander& expander_;
    AcceptingChecker accepting_;
    FormChecker& checker_;
    WordFilter noFilter_;
    const WordFilter& filter_;
    FormChecker* reformedChecker_ = nullptr;
    bool hasOwnWords_ = false;
    std::set<std::string> ownWords_;
    std::set<std::string> ownMissing_;
    std::set<std::string> ownOutOfRange_;
    std::string error_;
};

}  // namespace listgen
