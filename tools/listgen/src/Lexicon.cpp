#include <tools/listgen/src/Lexicon.h>

namespace listgen {

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

const std::vector<std::string>& Lexicon::wordsOfDraw(const std::string& draw) const
{
    static const std::vector<std::string> none;
    const auto found = wholeByDraw.find(draw);
    return found == wholeByDraw.end() ? none : found->second;
}

}  // namespace listgen
