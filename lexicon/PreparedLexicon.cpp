#include <lexicon/PreparedLexicon.h>

#include <algorithm>

namespace lexicon {

std::uint32_t PreparedLexicon::addEntry(LexiconEntry entry, std::vector<LexiconForm> forms)
{
    entries_.push_back(std::move(entry));
    forms_.insert(forms_.end(), std::make_move_iterator(forms.begin()),
                  std::make_move_iterator(forms.end()));
    firstForm_.push_back(static_cast<std::uint32_t>(forms_.size()));
    return static_cast<std::uint32_t>(entries_.size() - 1);
}

std::size_t PreparedLexicon::entryOf(std::size_t formIndex) const
{
    const auto after = std::upper_bound(firstForm_.begin(), firstForm_.end(),
                                        static_cast<std::uint32_t>(formIndex));
    return static_cast<std::size_t>(after - firstForm_.begin()) - 1;
}

}  // namespace lexicon
