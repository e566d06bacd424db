#include <tools/listgen/src/LexiconBuilder.h>

#include <tools/listgen/src/GameWord.h>

#include <workshop/ops/DrawKeys.h>

#include <algorithm>

namespace listgen {

namespace {

std::vector<std::string> linesOf(const std::vector<const DicEntry*>& entries)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const auto* entry : entries)
        lines.push_back(entry->line);
    return lines;
}

}  // namespace

LexiconBuilder::LexiconBuilder(FormExpander& expander)
    : expander_(expander), checker_(accepting_), filter_(noFilter_)
{
}

LexiconBuilder::LexiconBuilder(FormExpander& expander, FormChecker& checker,
                               const WordFilter& filter, FormChecker* reformedChecker)
    : expander_(expander), checker_(checker), filter_(filter), reformedChecker_(reformedChecker)
{
}

void LexiconBuilder::setOwnWords(std::set<std::string> words)
{
    hasOwnWords_ = true;
    ownWords_ = std::move(words);
}

bool LexiconBuilder::build(const DictionarySources& sources, Lexicon& lexicon)
{
    lexicon = Lexicon{};
    ownMissing_.clear();
    ownOutOfRange_.clear();
    std::vector<std::string> refusedLines;
    const auto modern = gameEntries(sources.modern, &refusedLines);
    const auto older = olderWords(sources.older);
    if (!collectNewWords(modern, older, lexicon)
        || !collectWhole(modern, refusedLines, sources, lexicon))
        return false;
    groupByDraw(lexicon);
    lexicon.hasReformed = sources.hasReformed;
    if (sources.hasReformed)
        collectNewSpellings(modern, sources.reformed, lexicon);
    return true;
}

// Entries of the game: no proper noun, A to Z once folded, let through by the filter. The
// entries that the filter refuses go to `refusedLines`; the player's own words pass it.
std::vector<LexiconBuilder::GameEntry>
LexiconBuilder::gameEntries(const std::vector<DicEntry>& entries,
                            std::vector<std::string>* refusedLines) const
{
    std::vector<GameEntry> games;
    for (const auto& entry : entries) {
        if (entry.isProperNoun())
            continue;
        auto word = GameWord::fold(entry.word);
        if (!word)
            continue;
        const bool own = hasOwnWords_ && ownWords_.count(*word);
        if (!own && !filter_.refusal(entry, *word).empty()) {
            if (refusedLines)
                refusedLines->push_back(entry.line);
            continue;
        }
        games.push_back({std::move(*word), &entry});
    }
    return games;
}

bool LexiconBuilder::expandChecked(
    const std::vector<std::string>& dicLines,
    const std::function<bool(const std::string& game)>& settled,
    const std::function<void(const std::string& game, const std::string& raw)>& onForm)
{
    const bool ok = expander_.expand(dicLines, [&](std::string_view form) {
        if (GameWord::startsWithCapital(form))
            return;
        auto word = GameWord::fold(form);
        if (!word || settled(*word))
            return;
        std::string raw(form);
        if (checker_.accepts(raw))
            onForm(*word, raw);
    });
    if (!ok)
        error_ = expander_.errorText();
    return ok;
}

// The whole dictionary: every accepted form of the game entries, and the older words that
// the checker accepts unless the modern dictionary reads them only as a refused entry.
bool LexiconBuilder::collectWhole(const std::vector<GameEntry>& modern,
                                  const std::vector<std::string>& refusedLines,
                                  const DictionarySources& sources, Lexicon& lexicon)
{
    std::vector<std::string> modernLines;
    modernLines.reserve(modern.size());
    for (const auto& game : modern)
        modernLines.push_back(game.entry->line);
    auto& whole = lexicon.whole;
    whole.reserve(1 << 20);
    if (!expandChecked(
            modernLines, [&](const std::string& game) { return whole.count(game) != 0; },
            [&](const std::string& game, const std::string&) { whole.insert(game); }))
        return false;
    std::unordered_set<std::string> refused;
    if (!expandChecked(
            refusedLines,
            [&](const std::string& game) { return whole.count(game) || refused.count(game); },
            [&](const std::string& game, const std::string&) { refused.insert(game); }))
        return false;
    for (const auto& raw : sources.older) {
        if (GameWord::startsWithCapital(raw))
            continue;
        auto word = GameWord::fold(raw);
        if (!word || lexicon.whole.count(*word) || refused.count(*word)
            || !WordFilter::hasVowel(*word))
            continue;
        if (checker_.accepts(raw))
            lexicon.whole.insert(std::move(*word));
    }
    for (const auto& [word, kind] : lexicon.newWords)
        lexicon.whole.insert(word);
    lexicon.whole.insert(lexicon.newForms.begin(), lexicon.newForms.end());
    return true;
}

std::unordered_set<std::string> LexiconBuilder::olderWords(const std::vector<std::string>& older)
{
    std::unordered_set<std::string> words;
    for (const auto& raw : older) {
        if (GameWord::startsWithCapital(raw))
            continue;
        if (auto word = GameWord::fold(raw))
            words.insert(std::move(*word));
    }
    return words;
}

// The entries of 2 to 10 letters that may be new: absent from the older lists, or, with the
// player's own list, spelt as one of its words.
std::vector<LexiconBuilder::GameEntry>
LexiconBuilder::candidates(const std::vector<GameEntry>& modern,
                           const std::unordered_set<std::string>& older) const
{
    std::vector<GameEntry> result;
    for (const auto& game : modern) {
        const auto length = game.word.size();
        if (length < shortest || length > longestEntry)
            continue;
        if (hasOwnWords_ ? !ownWords_.count(game.word) : older.count(game.word) != 0)
            continue;
        // a stem marked "needs an affix" is no word by itself; its forms still are
        if (!checker_.accepts(game.entry->word))
            continue;
        result.push_back(game);
    }
    return result;
}

// Drops the entries (other than verbs) that an older list holds by one of their forms: the
// plural or feminine of a noun or an adjective.
bool LexiconBuilder::dropOldByForm(std::vector<GameEntry>& entries,
                                   const std::unordered_set<std::string>& older)
{
    std::vector<const DicEntry*> nonVerbs;
    std::set<std::string> nonVerbWords;
    std::set<std::string> verbWords;
    for (const auto& game : entries) {
        if (game.entry->isVerb()) {
            verbWords.insert(game.word);
        } else {
            nonVerbs.push_back(game.entry);
            nonVerbWords.insert(game.word);
        }
    }
    std::set<std::string> old;
    // only the forms that an older list holds matter here
    const auto notOld = [&](const std::string& game) { return older.count(game) == 0; };
    const bool ok =
        expandChecked(linesOf(nonVerbs), notOld, [&](const std::string&, const std::string& raw) {
            for (const auto& stem : checker_.stems(raw)) {
                const auto word = GameWord::fold(stem);
                if (word && nonVerbWords.count(*word) && !verbWords.count(*word))
                    old.insert(*word);
            }
        });
    if (!ok)
        return false;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const GameEntry& game) { return old.count(game.word) != 0; }),
                  entries.end());
    return true;
}

bool LexiconBuilder::collectNewWords(const std::vector<GameEntry>& modern,
                                     const std::unordered_set<std::string>& older, Lexicon& lexicon)
{
    auto entries = candidates(modern, older);
    if (!hasOwnWords_ && !dropOldByForm(entries, older))
        return false;
    std::vector<const DicEntry*> withForms;
    for (const auto& game : entries) {
        auto& kind = lexicon.newWords[game.word];
        kind.transitive = kind.transitive || game.entry->isTransitive();
        kind.intransitive = kind.intransitive || game.entry->isIntransitive();
        // a locution piece that is a word of the game is invariable like its locution
        kind.invariable =
            kind.invariable || game.entry->isInvariable() || game.entry->isInvariableLocution();
        if (game.word.size() <= longestWord)
            withForms.push_back(game.entry);
    }
    const auto settled = [&](const std::string& game) {
        return game.size() < shortest || lexicon.newForms.count(game)
            || (!hasOwnWords_ && older.count(game));
    };
    const bool ok = expandChecked(
        linesOf(withForms), settled,
        [&](const std::string& game, const std::string&) { lexicon.newForms.insert(game); });
    if (!ok)
        return false;
    for (const auto& word : ownWords_) {
        if (lexicon.newWords.count(word))
            continue;
        if (word.size() < shortest || word.size() > longestEntry) {
            ownOutOfRange_.insert(word);
            continue;
        }
        ownMissing_.insert(word);
        lexicon.newWords[word];
    }
    return true;
}

void LexiconBuilder::collectNewSpellings(const std::vector<GameEntry>& modern,
                                         const std::vector<DicEntry>& reformed, Lexicon& lexicon)
{
    std::unordered_set<std::string> modernWords;
    for (const auto& game : modern)
        modernWords.insert(game.word);
    FormChecker& checker = reformedChecker_ ? *reformedChecker_ : accepting_;
    for (const auto& entry : reformed) {
        if (entry.isProperNoun())
            continue;
        const auto word = GameWord::fold(entry.word);
        if (!word || word->size() < shortest || word->size() > longestWord
            || modernWords.count(*word) || lexicon.whole.count(*word))
            continue;
        if (filter_.refusal(entry, *word).empty() && checker.accepts(entry.word))
            lexicon.newSpellings.insert(*word);
    }
}

void LexiconBuilder::groupByDraw(Lexicon& lexicon)
{
    for (const auto& word : lexicon.whole) {
        if (word.size() >= shortestAnagram && word.size() <= longestWord)
            lexicon.wholeByDraw[workshop::drawKey(word)].push_back(word);
    }
    for (auto& [draw, words] : lexicon.wholeByDraw)
        std::sort(words.begin(), words.end());
}

}  // namespace listgen
