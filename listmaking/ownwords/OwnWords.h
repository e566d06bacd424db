#pragma once

#include <lexicon/Lexicon.h>
#include <lexicon/PreparedLexicon.h>
#include <listmaking/ownwords/OwnWordList.h>

#include <string>
#include <vector>

namespace listmaking {

// What became of a player's words.
struct OwnWordsOutcome {
    std::size_t found = 0;             // words that the dictionary knows
    std::vector<std::string> missing;  // words of 2 to 9 letters it lacks: drilled as typed
    std::vector<std::string> withoutShortForm;   // words it knows with no form of 2 to 9 letters
    std::vector<std::string> missingOutOfRange;  // words it lacks, of 1 letter or of 10 and more
};

// The word sets of a player's own list of new words. Each word is looked up among every form
// of the dictionary (headword, feminine, plural, conjugated form): a word typed with its
// accents among the forms spelt exactly so (« côte » is the noun, never a form of coter),
// one typed in plain letters among all those it may stand for (« cote »: cote, côte, coté,
// coter); a word whose accents no form has is looked up as if typed plain. It brings its family
// (WordFamily): its own forms of 2 to 9 letters, whatever the word's length. Its kinds
// (transitive or intransitive verb, invariable word) come from the entries whose headword
// it is. A word of 2 to 9 letters that the dictionary lacks is a new word as typed, with no
// other form; one of another length enters no list. The words named by the player are taken
// even when the game would refuse them otherwise.
class OwnWords {
public:
    // `words` each once.
    static lexicon::Lexicon lexicon(const lexicon::PreparedLexicon& prepared,
                                    const std::vector<TypedWord>& words, OwnWordsOutcome& outcome);
    // The same for words typed in plain letters, in game spelling.
    static lexicon::Lexicon lexicon(const lexicon::PreparedLexicon& prepared,
                                    const std::vector<std::string>& words,
                                    OwnWordsOutcome& outcome);
};

}  // namespace listmaking
