#pragma once

#include <listmaking/dictionary/DicEntry.h>

#include <map>
#include <set>
#include <string>

namespace listmaking {

// Tells the entries that French Scrabble refuses: first by the dictionary's own marks, then
// by a short stop list for what the marks miss.
//
// The marks: the affix file's KEEPCASE and NOSUGGEST flags (units, symbols, abbreviations,
// elided fragments), the kinds of prefixes, suffixes, titles, faults and locution pieces,
// and words without a vowel other than interjections.
//
// The stop list, one file: "#" starts a comment; "- reason" opens a group of words to drop,
// "+ reason" a group of words to keep although a locution mark would drop them; the words of
// a group follow on the next lines, separated by blanks, in any case and with any accents.
class WordFilter {
public:
    // Reads KEEPCASE and NOSUGGEST from an affix file. False when it cannot be read.
    bool readAffixMarks(const std::string& affPath);
    void setAffixMarks(std::string keepCase, std::string noSuggest);
    // False, with `error` (path and line number), when the file cannot be read or is malformed.
    bool readStopList(const std::string& path, std::string& error);
    // The same, from the lines of the file.
    bool parseStopList(const std::vector<std::string>& lines, std::string& error);

    // Why the entry, spelt `gameWord` in capitals, is not a word of the game; empty when it is.
    std::string refusal(const DicEntry& entry, const std::string& gameWord) const;
    static bool hasVowel(const std::string& gameWord);

private:
    std::string keepCase_;
    std::string noSuggest_;
    std::map<std::string, std::string> dropped_;  // word and its group's reason
    std::set<std::string> kept_;
};

}  // namespace listmaking
