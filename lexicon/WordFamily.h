#pragma once

#include <lexicon/PreparedLexicon.h>

#include <cstddef>
#include <vector>

namespace lexicon {

// The forms that a word brings along when a player names it, read as one form of an entry:
// - a form of a verb (infinitive or conjugated) brings the whole conjugation;
// - a feminine brings the feminine singular and plural of its own making (AUTRICE brings
//   AUTRICES, never AUTEUR nor AUTEURE);
// - a plural brings its singular, in the same gender;
// - a masculine, an epicene or an invariable word brings every form: feminine and plurals.
// Derived words (a unit with a metric prefix) keep to their own prefix: KILOKATAL brings
// KILOKATALS, KATAL brings KATALS and no KILOKATAL.
class WordFamily {
public:
    // Indices into lexicon.forms(), `formIndex` among them.
    static std::vector<std::size_t> of(const PreparedLexicon& lexicon, std::size_t formIndex);
};

}  // namespace lexicon
