#pragma once

#include <lexicon/Lexicon.h>
#include <lexicon/PreparedLexicon.h>

namespace listmaking {

// The word sets of the default lists: the new words are the entries that the older lists
// lack (PreparedLexicon's newByLists mark), their forms the new forms of 2 to 9 letters that
// no older list holds, whatever the length of the entry (a verb of 10 letters or more gives
// its short forms).
class DefaultWords {
public:
    static lexicon::Lexicon lexicon(const lexicon::PreparedLexicon& prepared);
};

}  // namespace listmaking
