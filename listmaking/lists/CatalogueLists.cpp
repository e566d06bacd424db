#include <listmaking/lists/CatalogueLists.h>

#include <listmaking/lists/ExtensionLines.h>
#include <listmaking/lists/SolutionLines.h>

#include <catalogue/Catalogue.h>
#include <words/DrawKey.h>
#include <words/LetterValues.h>

#include <algorithm>
#include <map>

namespace listmaking {

namespace {

// The new words of 2 to 10 letters that have a use (transitive, intransitive, invariable).
std::set<std::string> newWordsFor(const lexicon::Lexicon& lexicon, bool lexicon::NewWord::*use)
{
    std::set<std::string> words;
    for (const auto& [word, kind] : lexicon.newWords) {
        if (kind.*use)
            words.insert(word);
    }
    return words;
}

const catalogue::ListRow* rowOf(const std::string& fileName)
{
    for (const auto& row : catalogue::Catalogue::rows()) {
        if (row.fileName == fileName)
            return &row;
    }
    return nullptr;
}

// The lines that one rule of the catalogue gives.
std::vector<std::string> linesOf(const catalogue::ListRule& rule, const lexicon::Lexicon& lexicon)
{
    using K = catalogue::RuleKind;
    const std::size_t shortest = rule.shortest;
    const std::size_t longest = rule.longest;
    switch (rule.kind) {
    case K::Lengths:
        return SolutionLines::ofWords(lexicon.newWordsOfLength(shortest, longest));
    case K::ExpensiveLetter:
        return SolutionLines::ofWords(
            CatalogueLists::withExpensiveLetter(lexicon.newWordsOfLength(shortest, longest)));
    case K::TransitiveVerbs:
        return SolutionLines::ofWords(newWordsFor(lexicon, &lexicon::NewWord::transitive));
    case K::IntransitiveVerbs:
        return SolutionLines::ofWords(newWordsFor(lexicon, &lexicon::NewWord::intransitive));
    case K::Invariables:
        return SolutionLines::ofWords(newWordsFor(lexicon, &lexicon::NewWord::invariable));
    case K::FrontExtensions:
        return ExtensionLines::front(lexicon.newWordsOfLength(shortest, longest), lexicon.whole);
    case K::BackExtensions:
        return ExtensionLines::back(lexicon.newWordsOfLength(shortest, longest), lexicon.whole);
    case K::NewSpellings:
        return SolutionLines::ofWords(lexicon.newSpellings);
    case K::EntryAnagrams:
        return CatalogueLists::multipleAnagrams(lexicon.newWordsOfLength(shortest, longest),
                                                lexicon);
    case K::FormAnagrams:
        return CatalogueLists::multipleAnagrams(lexicon.newFormsOfLength(shortest, longest),
                                                lexicon);
    case K::UniqueSolutions:
        return CatalogueLists::uniqueSolutions(lexicon.newFormsOfLength(shortest, longest),
                                               lexicon);
    case K::AllForms:
        return SolutionLines::ofWords(lexicon.newFormsOfLength(shortest, longest));
    }
    return {};
}

}  // namespace

std::vector<std::string> CatalogueLists::fileNames()
{
    std::vector<std::string> names;
    for (const auto& row : catalogue::Catalogue::rows())
        names.push_back(row.fileName);
    return names;
}

bool CatalogueLists::needsReformed(const std::string& fileName)
{
    const auto* row = rowOf(fileName);
    return row && row->rule.kind == catalogue::RuleKind::NewSpellings;
}

std::string CatalogueLists::titleOf(const std::string& fileName)
{
    const auto* row = rowOf(fileName);
    return row ? row->title : fileName;
}

std::vector<std::string> CatalogueLists::lines(const std::string& fileName,
                                               const lexicon::Lexicon& lexicon)
{
    const auto* row = rowOf(fileName);
    return row ? linesOf(row->rule, lexicon) : std::vector<std::string>{};
}

std::set<std::string> CatalogueLists::withExpensiveLetter(const std::set<std::string>& words)
{
    std::set<std::string> expensiveWords;
    for (const auto& word : words) {
        if (std::any_of(word.begin(), word.end(),
                        [](char c) { return words::letterValue(c) >= 7; }))
            expensiveWords.insert(word);
    }
    return expensiveWords;
}

std::vector<std::string> CatalogueLists::multipleAnagrams(const std::set<std::string>& words,
                                                          const lexicon::Lexicon& lexicon)
{
    std::map<std::string, std::string> byDraw;
    for (const auto& word : words) {
        const auto draw = words::drawKey(word);
        const auto& formed = lexicon.wordsOfDraw(draw);
        if (formed.size() >= 2 && !byDraw.count(draw))
            byDraw.emplace(draw, SolutionLines::line(draw, formed));
    }
    std::vector<std::string> lines;
    for (auto& [draw, line] : byDraw)
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> CatalogueLists::uniqueSolutions(const std::set<std::string>& words,
                                                         const lexicon::Lexicon& lexicon)
{
    std::map<std::string, std::string> byDraw;
    for (const auto& word : words) {
        const auto draw = words::drawKey(word);
        if (lexicon.wordsOfDraw(draw).size() == 1)
            byDraw.emplace(draw, SolutionLines::line(draw, {word}));
    }
    std::vector<std::string> lines;
    for (auto& [draw, line] : byDraw)
        lines.push_back(std::move(line));
    return lines;
}

}  // namespace listmaking
