#pragma once

#include <lexicon/FormTags.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lexicon {

// One entry of the modern dictionary that is no proper noun, in game spelling.
struct LexiconEntry {
    enum Mark : std::uint8_t {
        verb = 1,
        transitive = 2,
        intransitive = 4,
        invariable = 8,   // adverb, preposition, conjunction, interjection, or a piece of one
        refused = 16,     // the game refuses it (marks of the dictionary, stop list)
        accepted = 32,    // Hunspell accepts the headword itself (not a stem needing an affix)
        newByLists = 64,  // new by the older lists: the default lists' new word
    };

    std::string word;
    std::uint8_t marks = 0;

    bool has(Mark mark) const { return (marks & mark) != 0; }
};

// One form of an entry that Hunspell accepts, in game spelling.
struct LexiconForm {
    std::string word;
    // As the dictionary spells it (UTF-8), when that is not `word` in small letters: « côte »
    // for COTE, not for the COTE of coter.
    std::string spelling;
    FormTags tags;
    std::uint32_t group = 0;   // the suffix class that made it (pairs a feminine with its plural)
    std::uint32_t prefix = 0;  // the prefix of a derived word (a prefixed unit), 0 for none
    bool old = false;          // an older word list holds it
};

// The expanded and checked dictionary that every run of the generator cuts its lists from:
// made once from the dictionaries and kept in the work folder (LexiconFile), so that a run
// needs neither the dictionaries nor Hunspell.
class PreparedLexicon {
public:
    // Appends an entry and its forms; returns the entry's index.
    std::uint32_t addEntry(LexiconEntry entry, std::vector<LexiconForm> forms);

    const std::vector<LexiconEntry>& entries() const { return entries_; }
    const std::vector<LexiconForm>& forms() const { return forms_; }
    // The forms of entry `index` are forms()[formsBegin(index)] up to formsEnd(index).
    std::size_t formsBegin(std::size_t index) const { return firstForm_[index]; }
    std::size_t formsEnd(std::size_t index) const { return firstForm_[index + 1]; }
    // The entry a form belongs to.
    std::size_t entryOf(std::size_t formIndex) const;

    // Words of the older lists that Hunspell accepts and that no entry forms: the rest of the
    // whole dictionary. The game spellings, sorted.
    std::vector<std::string> olderWords;
    // Spellings of the reformed dictionary that the modern one lacks, 2 to 9 letters, sorted.
    std::vector<std::string> newSpellings;
    bool hasReformed = false;
    // What the lexicon was made from (SourceFingerprint).
    std::string fingerprint;

private:
    std::vector<LexiconEntry> entries_;
    std::vector<LexiconForm> forms_;
    std::vector<std::uint32_t> firstForm_{0};
};

}  // namespace lexicon
