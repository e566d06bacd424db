#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// One entry of a Hunspell .dic file: "word/FLAGS po:nom is:mas ...".
struct DicEntry {
    std::string line;               // the entry as written, for affix expansion
    std::string word;               // the stem, UTF-8, flags left out
    std::vector<std::string> kinds; // the values of its "po:" fields (nom, adv, v1_it____a...)

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

private:
    bool hasVerbMark(std::size_t index, char mark) const;
};

}  // namespace listgen
