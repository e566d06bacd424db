#include "LexiconBuilder.h"

#include "GameWord.h"

#include <DrawKeys.h>

#include <algorithm>

namespace listgen {

namespace {

// Keeps the forms that are words of the game, in game spelling.
template <typename Set>
FormExpander::FormHandler gameFormsInto(Set& forms)
{
    return [&forms](std::string_view form) {
        if (GameWord::startsWithCapital(form))
            return;
        if (auto word = GameWord::fold(form))
            forms.insert(std::move(*word));
    };
}

}  // namespace

bool LexiconBuilder::build(const DictionarySources& sources, Lexicon& lexicon)
{
    lexicon = Lexicon{};
    const auto modern = gameEntries(sources.modern);
    const auto older = olderWords(sources.older);
    const auto newLines = collectNewWords(modern, older, lexicon);
    if (!expand(newLines, gameFormsInto(lexicon.newForms)))
        return false;

    std::vector<std::string> modernLines;
    modernLines.reserve(modern.size());
    for (const auto& game : modern)
        modernLines.push_back(game.entry->line);
    lexicon.whole = older;
    if (!expand(modernLines, gameFormsInto(lexicon.whole)))
        return false;
    for (const auto& [word, kind] : lexicon.newWords)
        lexicon.whole.insert(word);
    lexicon.whole.insert(lexicon.newForms.begin(), lexicon.newForms.end());
    groupByDraw(lexicon);

    lexicon.hasReformed = sources.hasReformed;
    if (sources.hasReformed)
        collectNewSpellings(modern, sources.reformed, lexicon);
    return true;
}

std::vector<LexiconBuilder::GameEntry> LexiconBuilder::gameEntries(
    const std::vector<DicEntry>& entries)
{
    std::vector<GameEntry> games;
    for (const auto& entry : entries) {
        if (entry.isProperNoun())
            continue;
        if (auto word = GameWord::fold(entry.word))
            games.push_back({std::move(*word), &entry});
    }
    return games;
}

std::unordered_set<std::string> LexiconBuilder::olderWords(const std::vector<std::string>& older)
{
    std::unordered_set<std::string> words;
    const auto add = gameFormsInto(words);
    for (const auto& word : older)
        add(word);
    return words;
}

// Returns the .dic lines of the new words of 2 to 9 letters, whose forms make the second box.
std::vector<std::string> LexiconBuilder::collectNewWords(const std::vector<GameEntry>& modern,
                                                         const std::unordered_set<std::string>& older,
                                                         Lexicon& lexicon) const
{
    std::vector<std::string> lines;
    for (const auto& game : modern) {
        const auto length = game.word.size();
        if (length < shortest || length > longestEntry || older.count(game.word))
            continue;
        auto& kind = lexicon.newWords[game.word];
        kind.transitive = kind.transitive || game.entry->isTransitive();
        kind.intransitive = kind.intransitive || game.entry->isIntransitive();
        kind.invariable = kind.invariable || game.entry->isInvariable();
        if (length <= longestWord)
            lines.push_back(game.entry->line);
    }
    return lines;
}

bool LexiconBuilder::expand(const std::vector<std::string>& dicLines,
                            const FormExpander::FormHandler& onForm)
{
    if (expander_.expand(dicLines, onForm))
        return true;
    error_ = expander_.errorText();
    return false;
}

void LexiconBuilder::collectNewSpellings(const std::vector<GameEntry>& modern,
                                         const std::vector<DicEntry>& reformed, Lexicon& lexicon)
{
    std::unordered_set<std::string> modernWords;
    for (const auto& game : modern)
        modernWords.insert(game.word);
    for (const auto& game : gameEntries(reformed)) {
        const auto length = game.word.size();
        if (length >= shortest && length <= longestWord && !modernWords.count(game.word))
            lexicon.newSpellings.insert(game.word);
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
