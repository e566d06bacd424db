#pragma once

#include <cstddef>

namespace catalogue {

// What the list generator puts in a list file.
enum class RuleKind {
    Lengths,            // the new words of shortest to longest letters
    ExpensiveLetter,    // the same, holding a letter worth 7 or more
    TransitiveVerbs,    // the new transitive verbs
    IntransitiveVerbs,  // the new intransitive verbs
    Invariables,        // the new invariable words
    FrontExtensions,    // new words of shortest to longest letters and their one-letter fronts
    BackExtensions,     // the same with one letter added at the back
    NewSpellings,       // the spellings that only the reformed dictionary has
    EntryAnagrams,      // draws of new entries that form two or more words
    FormAnagrams,       // draws of new forms that form two or more words
    UniqueSolutions,    // draws of new forms that form exactly one word
    AllForms,           // every new form of shortest to longest letters
};

// A generator rule; the lengths, in letters, count only for the kinds that name them.
struct ListRule {
    RuleKind kind = RuleKind::Lengths;
    std::size_t shortest = 0;
    std::size_t longest = 0;
};

}  // namespace catalogue
