#include <listmaking/ownwords/OwnWords.h>

#include <lexicon/WordFamily.h>

#include <unordered_map>

namespace listmaking {

namespace {

bool inRange(const std::string& word, std::size_t longest)
{
    return word.size() >= lexicon::Lexicon::shortest && word.size() <= longest;
}

// The forms of the dictionary that spell each word, by one pass over every form.
std::unordered_map<std::string, std::vector<std::size_t>>
readingsOf(const lexicon::PreparedLexicon& prepared, const std::vector<TypedWord>& words)
{
    std::unordered_map<std::string, std::vector<std::size_t>> readings;
    readings.reserve(words.size());
    for (const auto& word : words)
        readings[word.game];
    const auto& forms = prepared.forms();
    for (std::size_t f = 0; f < forms.size(); ++f) {
        const auto found = readings.find(forms[f].word);
        if (found != readings.end())
            found->second.push_back(f);
    }
    return readings;
}

// The kinds of the entries whose headword the word is.
void addKinds(const lexicon::PreparedLexicon& prepared, const std::vector<std::size_t>& readings,
              const std::string& word, lexicon::NewWord& kind)
{
    for (const std::size_t reading : readings) {
        const auto& entry = prepared.entries()[prepared.entryOf(reading)];
        if (entry.word != word)
            continue;
        kind.transitive = kind.transitive || entry.has(lexicon::LexiconEntry::transitive);
        kind.intransitive = kind.intransitive || entry.has(lexicon::LexiconEntry::intransitive);
        kind.invariable = kind.invariable || entry.has(lexicon::LexiconEntry::invariable);
    }
}

// The readings of a word typed with accents: the forms spelt as it is; all the forms of its
// game spelling when none is.
std::vector<std::size_t> spelledAs(const lexicon::PreparedLexicon& prepared,
                                   const std::vector<std::size_t>& readings,
                                   const std::string& accented)
{
    std::vector<std::size_t> exact;
    for (const std::size_t reading : readings) {
        if (prepared.forms()[reading].spelling == accented)
            exact.push_back(reading);
    }
    return exact.empty() ? readings : exact;
}

}  // namespace

lexicon::Lexicon OwnWords::lexicon(const lexicon::PreparedLexicon& prepared,
                                   const std::vector<std::string>& words, OwnWordsOutcome& outcome)
{
    std::vector<TypedWord> typed;
    for (const auto& word : words)
        typed.push_back({word, {}});
    return lexicon(prepared, typed, outcome);
}

lexicon::Lexicon OwnWords::lexicon(const lexicon::PreparedLexicon& prepared,
                                   const std::vector<TypedWord>& words, OwnWordsOutcome& outcome)
{
    outcome = OwnWordsOutcome{};
    lexicon::Lexicon lexicon;
    const auto readings = readingsOf(prepared, words);
    const auto& forms = prepared.forms();
    for (const auto& typed : words) {
        const std::string& word = typed.game;
        const auto found = typed.accented.empty()
            ? readings.at(word)
            : spelledAs(prepared, readings.at(word), typed.accented);
        if (found.empty()) {
            if (lexicon.newWords.count(word))
                continue;  // the same word typed otherwise
            if (!inRange(word, lexicon::Lexicon::longestWord)) {
                outcome.missingOutOfRange.push_back(word);
                continue;
            }
            outcome.missing.push_back(word);
            lexicon.newWords[word];
            lexicon.newForms.insert(word);
            continue;
        }
        ++outcome.found;
        if (inRange(word, lexicon::Lexicon::longestEntry))
            addKinds(prepared, found, word, lexicon.newWords[word]);
        bool shortForm = false;
        for (const std::size_t reading : found) {
            for (const std::size_t f : lexicon::WordFamily::of(prepared, reading)) {
                if (inRange(forms[f].word, lexicon::Lexicon::longestWord)) {
                    lexicon.newForms.insert(forms[f].word);
                    shortForm = true;
                }
            }
        }
        if (!shortForm)
            outcome.withoutShortForm.push_back(word);
    }
    lexicon.newSpellings.insert(prepared.newSpellings.begin(), prepared.newSpellings.end());
    lexicon.hasReformed = prepared.hasReformed;
    lexicon.fillWhole(prepared);
    return lexicon;
}

}  // namespace listmaking
