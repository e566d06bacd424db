#include "CatalogueLists.h"

#include "ExtensionLines.h"
#include "LexiconBuilder.h"
#include "SolutionLines.h"

#include <DrawKeys.h>
#include <LetterValues.h>

#include <algorithm>
#include <functional>
#include <map>

namespace listgen {

namespace {

using Rule = std::function<std::vector<std::string>(const Lexicon&)>;

constexpr std::size_t longestExtended = 9;  // the "<10L" extension lists

// The new words of 2 to 10 letters that have a use (transitive, intransitive, invariable).
std::set<std::string> newWordsFor(const Lexicon& lexicon, bool NewWord::*use)
{
    std::set<std::string> words;
    for (const auto& [word, kind] : lexicon.newWords) {
        if (kind.*use)
            words.insert(word);
    }
    return words;
}

Rule lengths(std::size_t shortest, std::size_t longest)
{
    return [=](const Lexicon& lexicon) {
        return SolutionLines::ofWords(lexicon.newWordsOfLength(shortest, longest));
    };
}

Rule expensive(std::size_t shortest, std::size_t longest)
{
    return [=](const Lexicon& lexicon) {
        return SolutionLines::ofWords(
            CatalogueLists::withExpensiveLetter(lexicon.newWordsOfLength(shortest, longest)));
    };
}

Rule entryAnagrams(std::size_t length)
{
    return [=](const Lexicon& lexicon) {
        return CatalogueLists::multipleAnagrams(lexicon.newWordsOfLength(length, length), lexicon);
    };
}

Rule formAnagrams(std::size_t length)
{
    return [=](const Lexicon& lexicon) {
        return CatalogueLists::multipleAnagrams(lexicon.newFormsOfLength(length, length), lexicon);
    };
}

Rule formUnique(std::size_t length)
{
    return [=](const Lexicon& lexicon) {
        return CatalogueLists::uniqueSolutions(lexicon.newFormsOfLength(length, length), lexicon);
    };
}

// File name and rule of every catalogue list, in launcher order.
const std::vector<std::pair<std::string, Rule>>& catalogue()
{
    constexpr auto lo = LexiconBuilder::shortest;
    constexpr auto hi = LexiconBuilder::longestWord;
    static const std::vector<std::pair<std::string, Rule>> rules = {
        {"ods6new_2-4L.txt", lengths(lo, 4)},
        {"ods6new_5L.txt", lengths(5, 5)},
        {"ods6new_6L.txt", lengths(6, 6)},
        {"ods6new_7L.txt", lengths(7, 7)},
        {"ods6new_8L.txt", lengths(8, 8)},
        {"ods6new_9L.txt", lengths(9, 9)},
        {"ods6new_2-6L_LC.txt", expensive(lo, 6)},
        {"ods6new_7-8L_LC.txt", expensive(7, 8)},
        {"ods6new_vbt.txt",
         [](const Lexicon& lexicon) {
             return SolutionLines::ofWords(newWordsFor(lexicon, &NewWord::transitive));
         }},
        {"ods6new_vbi.txt",
         [](const Lexicon& lexicon) {
             return SolutionLines::ofWords(newWordsFor(lexicon, &NewWord::intransitive));
         }},
        {"ods6new_inv.txt",
         [](const Lexicon& lexicon) {
             return SolutionLines::ofWords(newWordsFor(lexicon, &NewWord::invariable));
         }},
        {"ods6new_rallonges_av.txt",
         [](const Lexicon& lexicon) {
             return ExtensionLines::front(lexicon.newWordsOfLength(lo, longestExtended),
                                          lexicon.whole);
         }},
        {"ods6new_rallonges_ar.txt",
         [](const Lexicon& lexicon) {
             return ExtensionLines::back(lexicon.newWordsOfLength(lo, longestExtended),
                                         lexicon.whole);
         }},
        {"ods6new_nouv_graphies.txt",
         [](const Lexicon& lexicon) { return SolutionLines::ofWords(lexicon.newSpellings); }},
        {"entrees_4L_anags.txt", entryAnagrams(4)},
        {"entrees_5L_anags.txt", entryAnagrams(5)},
        {"entrees_6L_anags.txt", entryAnagrams(6)},
        {"entrees_7L_anags.txt", entryAnagrams(7)},
        {"entrees_8L_anags.txt", entryAnagrams(8)},
        {"entrees_9L_anags.txt", entryAnagrams(9)},
        {"ods6new_2-9L.txt", lengths(lo, hi)},
        {"ods6new_4L_all.txt", formUnique(4)},
        {"ods6new_5L_all.txt", formUnique(5)},
        {"ods6new_6L_all.txt", formUnique(6)},
        {"ods6new_7L_all.txt", formUnique(7)},
        {"ods6new_8L_all.txt", formUnique(8)},
        {"ods6new_9L_all.txt", formUnique(9)},
        {"tout_4L_anags.txt", formAnagrams(4)},
        {"tout_5L_anags.txt", formAnagrams(5)},
        {"tout_6L_anags.txt", formAnagrams(6)},
        {"tout_7L_anags.txt", formAnagrams(7)},
        {"tout_8L_anags.txt", formAnagrams(8)},
        {"tout_9L_anags.txt", formAnagrams(9)},
        {"ods6new_2-9L_all.txt",
         [](const Lexicon& lexicon) {
             return SolutionLines::ofWords(lexicon.newFormsOfLength(lo, hi));
         }},
    };
    return rules;
}

}  // namespace

std::vector<std::string> CatalogueLists::fileNames()
{
    std::vector<std::string> names;
    for (const auto& [name, rule] : catalogue())
        names.push_back(name);
    return names;
}

bool CatalogueLists::needsReformed(const std::string& fileName)
{
    return fileName == "ods6new_nouv_graphies.txt";
}

std::vector<std::string> CatalogueLists::lines(const std::string& fileName, const Lexicon& lexicon)
{
    for (const auto& [name, rule] : catalogue()) {
        if (name == fileName)
            return rule(lexicon);
    }
    return {};
}

std::set<std::string> CatalogueLists::withExpensiveLetter(const std::set<std::string>& words)
{
    std::set<std::string> expensiveWords;
    for (const auto& word : words) {
        if (std::any_of(word.begin(), word.end(),
                        [](char c) { return workshop::letterValue(c) >= 7; }))
            expensiveWords.insert(word);
    }
    return expensiveWords;
}

std::vector<std::string> CatalogueLists::multipleAnagrams(const std::set<std::string>& words,
                                                          const Lexicon& lexicon)
{
    std::map<std::string, std::string> byDraw;
    for (const auto& word : words) {
        const auto draw = workshop::drawKey(word);
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
                                                         const Lexicon& lexicon)
{
    std::map<std::string, std::string> byDraw;
    for (const auto& word : words) {
        const auto draw = workshop::drawKey(word);
        if (lexicon.wordsOfDraw(draw).size() == 1)
            byDraw.emplace(draw, SolutionLines::line(draw, {word}));
    }
    std::vector<std::string> lines;
    for (auto& [draw, line] : byDraw)
        lines.push_back(std::move(line));
    return lines;
}

}  // namespace listgen
