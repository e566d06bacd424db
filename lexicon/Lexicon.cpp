#include <lexicon/Lexicon.h>

#include <words/DrawKey.h>

#include <algorithm>

namespace lexicon {

std::set<std::string> Lexicon::newWordsOfLength(std::size_t shortest, std::size_t longest) const
{
    std::set<std::string> words;
    for (const auto& [word, kind] : newWords) {
        if (word.size() >= shortest && word.size() <= longest)
            words.insert(word);
    }
    return words;
}

std::set<std::string> Lexicon::newFormsOfLength(std::size_t shortest, std::size_t longest) const
{
    std::set<std::string> forms;
    for (const auto& form : newForms) {
        if (form.size() >= shortest && form.size() <= longest)
            forms.insert(form);
    }
    return forms;
}

void Lexicon::fillWhole(const PreparedLexicon& prepared)
{
    const auto& entries = prepared.entries();
    whole.reserve(prepared.forms().size() + prepared.olderWords.size() + newWords.size());
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (entries[e].has(LexiconEntry::refused))
            continue;
        for (std::size_t f = prepared.formsBegin(e); f < prepared.formsEnd(e); ++f)
            whole.insert(prepared.forms()[f].word);
    }
    whole.insert(prepared.olderWords.begin(), prepared.olderWords.end());
    for (const auto& [word, kind] : newWords)
        whole.insert(word);
    whole.insert(newForms.begin(), newForms.end());
    std::unordered_set<std::string> draws;
    const auto addDraw = [&](const std::string& word) {
        if (word.size() >= shortestAnagram && word.size() <= longestWord)
            draws.insert(words::drawKey(word));
    };
    for (const auto& [word, kind] : newWords)
        addDraw(word);
    for (const auto& form : newForms)
        addDraw(form);
    for (const auto& word : whole) {
        if (word.size() < shortestAnagram || word.size() > longestWord)
            continue;
        auto draw = words::drawKey(word);
        if (draws.count(draw))
            wholeByDraw[std::move(draw)].push_back(word);
    }
    for (auto& [draw, words] : wholeByDraw)
        std::sort(words.begin(), words.end());
}

const std::vector<std::string>& Lexicon::wordsOfDraw(const std::string& draw) const
{
    static const std::vector<std::string> none;
    const auto found = wholeByDraw.find(draw);
    return found == wholeByDraw.end() ? none : found->second;
}

}  // namespace lexicon
