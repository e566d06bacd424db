#include <listmaking/dictionary/AffixCondition.h>

#include <lexicon/Utf8.h>

namespace listmaking {

std::optional<AffixCondition> AffixCondition::parse(std::string_view utf8)
{
    const std::u32string text = lexicon::Utf8::decode(utf8);
    AffixCondition condition;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Position position;
        if (text[i] == U'.') {
            position.any = true;
        } else if (text[i] == U'[') {
            const auto close = text.find(U']', i + 1);
            if (close == std::u32string::npos)
                return std::nullopt;
            std::size_t first = i + 1;
            if (first < close && text[first] == U'^') {
                position.negated = true;
                ++first;
            }
            position.characters = text.substr(first, close - first);
            i = close;
        } else {
            position.characters = text.substr(i, 1);
        }
        condition.positions_.push_back(std::move(position));
    }
    return condition;
}

bool AffixCondition::Position::matches(char32_t c) const
{
    if (any)
        return true;
    const bool listed = characters.find(c) != std::u32string::npos;
    return listed != negated;
}

bool AffixCondition::matchesEnd(std::u32string_view word) const
{
    if (positions_.size() > word.size())
        return false;
    const std::size_t start = word.size() - positions_.size();
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (!positions_[i].matches(word[start + i]))
            return false;
    }
    return true;
}

bool AffixCondition::matchesStart(std::u32string_view word) const
{
    if (positions_.size() > word.size())
        return false;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (!positions_[i].matches(word[i]))
            return false;
    }
    return true;
}

}  // namespace listmaking
