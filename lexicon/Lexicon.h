#pragma once

#include <lexicon/PreparedLexicon.h>

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace lexicon {

// What a new word is, gathered over all the dictionary entries that spell it.
struct NewWord {
    bool transitive = false;
    bool intransitive = false;
    bool invariable = false;
};

// The word sets that the catalogue lists are cut from, all in game spelling (A to Z).
struct Lexicon {
    static constexpr std::size_t shortest = 2;
    static constexpr std::size_t longestEntry = 10;  // the "<11L" lists
    static constexpr std::size_t longestWord = 9;    // every other list
    static constexpr std::size_t shortestAnagram = 4;

    // The new words (entries of the dictionary that the older lists lack, or the player's own
    // words), 2 to 10 letters.
    std::map<std::string, NewWord> newWords;
    // Every form of 2 to 9 letters of the new words, whatever their length.
    std::set<std::string> newForms;
    // Words of the reformed dictionary that the modern one lacks, 2 to 9 letters.
    std::set<std::string> newSpellings;
    bool hasReformed = false;
    // The older word list and every form of the modern dictionary.
    std::unordered_set<std::string> whole;
    // The words of `whole` of 4 to 9 letters by draw, each group in alphabetical order; only
    // the draws of the new words and forms, the only ones the lists ask for.
    std::unordered_map<std::string, std::vector<std::string>> wholeByDraw;

    // Puts into `whole` every form of the game entries of `prepared` and its older words,
    // then the new words and forms; groups the draws.
    void fillWhole(const PreparedLexicon& prepared);

    // The new words whose length lies in [shortest, longest].
    std::set<std::string> newWordsOfLength(std::size_t shortest, std::size_t longest) const;
    std::set<std::string> newFormsOfLength(std::size_t shortest, std::size_t longest) const;
    // The words of the whole dictionary that a draw of 4 to 9 letters forms.
    const std::vector<std::string>& wordsOfDraw(const std::string& draw) const;
};

}  // namespace lexicon
