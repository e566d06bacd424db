#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listmaking {

// One entry of a Hunspell .dic file: "word/FLAGS po:nom is:mas ...".
struct DicEntry {
    std::string line;                 // the entry as written, for affix expansion
    std::string word;                 // the stem, UTF-8, flags left out
    std::string flags;                // the affix flags after the "/", as written
    std::vector<std::string> kinds;   // the values of its "po:" fields (nom, adv, v1_it____a...)
    std::vector<std::string> traits;  // the values of its "is:" fields (mas, fem, epi, sg, pl, inv)

    // Nothing for a blank line.
    static std::optional<DicEntry> parse(std::string_view line);

    // Proper nouns (npr, prn, patr) and entries written with a capital.
    bool isProperNoun() const;
    bool isVerb() const;
    // The fourth character of a verb's kind is "i" for an intransitive use, the fifth "t"
    // for a transitive one (v1_it____a is both).
    bool isIntransitive() const;
    bool isTransitive() const;
    // Adverbs, prepositions, conjunctions and interjections.
    bool isInvariable() const;
    // Piece of an adverbial, prepositional, conjunctive or interjective locution (catimini).
    bool isInvariableLocution() const;
    bool isInterjection() const;
    // True when a "po:" value equals `kind` or, for a kind ending in ".", starts with it
    // ("loc." for every locution piece).
    bool hasKind(std::string_view kind) const;
    // True when the flags hold `flag`; two-character flags are read in pairs.
    bool hasFlag(std::string_view flag) const;

private:
    bool hasVerbMark(std::size_t index, char mark) const;
};

}  // namespace listmaking
