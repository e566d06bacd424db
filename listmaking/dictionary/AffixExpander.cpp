#include <listmaking/dictionary/AffixExpander.h>

#include <lexicon/Utf8.h>

#include <algorithm>
#include <tuple>

namespace listmaking {

namespace {

bool has(const std::vector<AffixFlag>& flags, AffixFlag flag)
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

// Elisions and compounds: the added part holds something that is no letter of a word.
bool addsNoLetter(const AffixRule& rule)
{
    return std::any_of(rule.append.begin(), rule.append.end(), [](char32_t c) {
        return c == U'\'' || c == U'\u2019' || c == U'-' || c == U' ' || c == U'.';
    });
}

bool endsWith(const std::u32string& word, const std::u32string& end)
{
    return word.size() >= end.size()
        && word.compare(word.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::u32string& word, const std::u32string& start)
{
    return word.size() >= start.size() && word.compare(0, start.size(), start) == 0;
}

std::u32string withSuffix(const std::u32string& word, const AffixRule& rule)
{
    return word.substr(0, word.size() - rule.strip.size()) + rule.append;
}

std::u32string withPrefix(const std::u32string& word, const AffixRule& rule)
{
    return rule.append + word.substr(rule.strip.size());
}

}  // namespace

bool ExpandedForm::operator<(const ExpandedForm& other) const
{
    return std::tie(spelling, tags.gender, tags.number, group, prefix)
        < std::tie(other.spelling, other.tags.gender, other.tags.number, other.group, other.prefix);
}

bool ExpandedForm::operator==(const ExpandedForm& other) const
{
    return spelling == other.spelling && tags == other.tags && group == other.group
        && prefix == other.prefix;
}

std::vector<ExpandedForm> AffixExpander::forms(const DicEntry& entry) const
{
    std::vector<ExpandedForm> forms;
    const auto flags = rules_.flagsOf(entry.flags);
    if (has(flags, rules_.forbidden()))
        return forms;
    const std::u32string word = lexicon::Utf8::decode(entry.word);
    const lexicon::FormTags base = lexicon::FormTags::of(entry.traits);
    if (!has(flags, rules_.needAffix()))
        forms.push_back({entry.word, base, AffixRules::noFlag, 0});
    std::vector<Suffixed> suffixed;
    for (const AffixFlag flag : flags) {
        if (const auto* affixClass = rules_.suffix(flag))
            addSuffixes(word, *affixClass, base, suffixed, forms);
    }
    for (const AffixFlag flag : flags) {
        const auto* affixClass = rules_.prefix(flag);
        if (!affixClass)
            continue;
        for (const auto& rule : affixClass->rules) {
            if (!addsNoLetter(rule) && prefixApplies(word, rule))
                addPrefix(word, *affixClass, rule, flags, suffixed, base, forms);
        }
    }
    std::sort(forms.begin(), forms.end());
    forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
    return forms;
}

bool AffixExpander::suffixApplies(const std::u32string& word, const AffixRule& rule) const
{
    const bool keepsSomething = word.size() > rule.strip.size() || rules_.fullStrip();
    return keepsSomething && endsWith(word, rule.strip) && rule.condition.matchesEnd(word);
}

bool AffixExpander::prefixApplies(const std::u32string& word, const AffixRule& rule) const
{
    const bool keepsSomething = word.size() > rule.strip.size() || rules_.fullStrip();
    return keepsSomething && startsWith(word, rule.strip) && rule.condition.matchesStart(word);
}

bool AffixExpander::needsAffix(const std::vector<AffixFlag>& flags) const
{
    return has(flags, rules_.needAffix());
}

void AffixExpander::addSuffixes(const std::u32string& word, const AffixClass& affixClass,
                                const lexicon::FormTags& base, std::vector<Suffixed>& suffixed,
                                std::vector<ExpandedForm>& forms) const
{
    for (const auto& rule : affixClass.rules) {
        if (addsNoLetter(rule) || !suffixApplies(word, rule))
            continue;
        auto form = withSuffix(word, rule);
        if (!needsAffix(rule.continuation))
            forms.push_back(
                {lexicon::Utf8::encode(form), rule.tags.over(base), affixClass.flag, 0});
        suffixed.push_back({std::move(form), &rule, &affixClass});
    }
}

// The prefixed word alone, crossed with the entry's suffixes, and with the suffixes that the
// prefix's own continuation allows.
void AffixExpander::addPrefix(const std::u32string& word, const AffixClass& affixClass,
                              const AffixRule& rule, const std::vector<AffixFlag>& entryFlags,
                              const std::vector<Suffixed>& suffixed, const lexicon::FormTags& base,
                              std::vector<ExpandedForm>& forms) const
{
    const std::uint32_t prefix = rule.append.empty() ? 0 : rule.id;
    const bool prefixNeedsMore = needsAffix(rule.continuation);
    if (!prefixNeedsMore)
        forms.push_back(
            {lexicon::Utf8::encode(withPrefix(word, rule)), base, AffixRules::noFlag, prefix});
    const auto addCrossed = [&](const Suffixed& s) {
        if (prefixNeedsMore && needsAffix(s.rule->continuation))
            return;
        if (prefixApplies(s.word, rule))
            forms.push_back({lexicon::Utf8::encode(withPrefix(s.word, rule)),
                             s.rule->tags.over(base), s.affixClass->flag, prefix});
    };
    if (affixClass.crossProduct) {
        for (const auto& s : suffixed) {
            if (s.affixClass->crossProduct)
                addCrossed(s);
        }
    }
    for (const AffixFlag flag : rule.continuation) {
        const auto* suffixClass = rules_.suffix(flag);
        if (!suffixClass || has(entryFlags, flag))
            continue;
        std::vector<Suffixed> enabled;
        std::vector<ExpandedForm> unused;
        addSuffixes(word, *suffixClass, base, enabled, unused);
        for (const auto& s : enabled)
            addCrossed(s);
    }
}

}  // namespace listmaking
