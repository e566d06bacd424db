#pragma once

#include "DicEntry.h"
#include "FormExpander.h"
#include "Lexicon.h"

#include <string>
#include <vector>

namespace listgen {

// The three word sources, as read from disk (UTF-8).
struct DictionarySources {
    std::vector<DicEntry> modern;    // hunspell-fr-classical
    std::vector<DicEntry> reformed;  // hunspell-fr-revised, 1990 spelling
    bool hasReformed = false;
    std::vector<std::string> older;  // wfrench, every form
};

// Sorts the words of the sources into the sets of a Lexicon.
class LexiconBuilder {
public:
    static constexpr std::size_t shortest = 2;
    static constexpr std::size_t longestEntry = 10;  // the "<11L" lists
    static constexpr std::size_t longestWord = 9;    // every other list
    static constexpr std::size_t shortestAnagram = 4;

    explicit LexiconBuilder(FormExpander& expander) : expander_(expander) {}

    // False, with errorText(), when the forms could not be expanded.
    bool build(const DictionarySources& sources, Lexicon& lexicon);
    std::string errorText() const { return error_; }

private:
    // An entry that is a word of the game, with its game spelling.
    struct GameEntry {
        std::string word;
        const DicEntry* entry;
    };

    static std::vector<GameEntry> gameEntries(const std::vector<DicEntry>& entries);
    static std::unordered_set<std::string> olderWords(const std::vector<std::string>& older);
    std::vector<std::string> collectNewWords(const std::vector<GameEntry>& modern,
                                             const std::unordered_set<std::string>& older,
                                             Lexicon& lexicon) const;
    bool expand(const std::vector<std::string>& dicLines, const FormExpander::FormHandler& onForm);
    static void collectNewSpellings(const std::vector<GameEntry>& modern,
                                    const std::vector<DicEntry>& reformed, Lexicon& lexicon);
    static void groupByDraw(Lexicon& lexicon);

    FormExpander& expander_;
    std::string error_;
};

}  // namespace listgen
