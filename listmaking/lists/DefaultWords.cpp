#include <listmaking/lists/DefaultWords.h>

namespace listmaking {

lexicon::Lexicon DefaultWords::lexicon(const lexicon::PreparedLexicon& prepared)
{
    lexicon::Lexicon lexicon;
    const auto& entries = prepared.entries();
    const auto& forms = prepared.forms();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const auto& entry = entries[e];
        if (!entry.has(lexicon::LexiconEntry::newByLists))
            continue;
        if (entry.word.size() >= lexicon::Lexicon::shortest
            && entry.word.size() <= lexicon::Lexicon::longestEntry) {
            auto& kind = lexicon.newWords[entry.word];
            kind.transitive = kind.transitive || entry.has(lexicon::LexiconEntry::transitive);
            kind.intransitive = kind.intransitive || entry.has(lexicon::LexiconEntry::intransitive);
            kind.invariable = kind.invariable || entry.has(lexicon::LexiconEntry::invariable);
        }
        for (std::size_t f = prepared.formsBegin(e); f < prepared.formsEnd(e); ++f) {
            const auto& form = forms[f];
            if (form.prefix == 0 && !form.old && form.word.size() >= lexicon::Lexicon::shortest
                && form.word.size() <= lexicon::Lexicon::longestWord)
                lexicon.newForms.insert(form.word);
        }
    }
    lexicon.newSpellings.insert(prepared.newSpellings.begin(), prepared.newSpellings.end());
    lexicon.hasReformed = prepared.hasReformed;
    lexicon.fillWhole(prepared);
    return lexicon;
}

}  // namespace listmaking
