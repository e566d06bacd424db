#pragma once

#include <lexicon/PreparedLexicon.h>

#include <string>
#include <string_view>

namespace lexicon {

// The prepared lexicon on disk: a text file of LF lines, in game spelling (A to Z) but for the
// accented spellings of forms, so that it reads fast, needs no care for byte order or padding,
// and can be looked at with a pager or grep when a list surprises:
//
//   lexique-listgen 2              the format
//   empreinte 10                   then that many lines: SourceFingerprint
//   entrees 84000                  then each entry and its forms:
//   E BLOGUEUR 32 6                  E, headword, marks (LexiconEntry), number of forms
//   BLOGUEUSE fs 4673 0 0            form, gender and number (- m f e, - s p i),
//   ...                              suffix class (hex, - for none), prefix rule, old (0 1),
//   COTE fs 12 0 0 côte              and the spelling (UTF-8) when it has accents
//   anciens 1200                   then the older words of the whole dictionary
//   graphies 500 1                 then the reformed spellings; 1: the reformed dictionary was read
//   fin
class LexiconFile {
public:
    static std::string text(const PreparedLexicon& lexicon);
    // False, with `error` in French, when the text is cut or malformed.
    static bool parse(std::string_view text, PreparedLexicon& lexicon, std::string& error);
    // The fingerprint of a lexicon text, read from its first lines only; empty when none.
    static std::string fingerprintOf(std::string_view text);
};

}  // namespace lexicon
