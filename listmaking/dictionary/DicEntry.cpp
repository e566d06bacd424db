#include <listmaking/dictionary/DicEntry.h>

#include <lexicon/GameWord.h>
#include <listmaking/dictionary/BlankFields.h>

#include <algorithm>

namespace listmaking {

namespace {

bool isOneOf(const std::vector<std::string>& kinds, std::initializer_list<std::string_view> wanted)
{
    return std::any_of(kinds.begin(), kinds.end(), [&](const std::string& kind) {
        return std::find(wanted.begin(), wanted.end(), kind) != wanted.end();
    });
}

}  // namespace

std::optional<DicEntry> DicEntry::parse(std::string_view line)
{
    const auto parts = BlankFields::split(line);
    if (parts.empty())
        return std::nullopt;
    DicEntry entry;
    entry.line.assign(line.substr(0, line.find_last_not_of(" \t\r") + 1));
    const auto slash = parts[0].find('/');
    entry.word.assign(parts[0].substr(0, slash));
    if (slash != std::string_view::npos)
        entry.flags.assign(parts[0].substr(slash + 1));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].substr(0, 3) == "po:")
            entry.kinds.emplace_back(parts[i].substr(3));
        else if (parts[i].substr(0, 3) == "is:")
            entry.traits.emplace_back(parts[i].substr(3));
    }
    return entry;
}

bool DicEntry::isProperNoun() const
{
    return lexicon::GameWord::startsWithCapital(word) || isOneOf(kinds, {"npr", "prn", "patr"});
}

bool DicEntry::isVerb() const
{
    return std::any_of(kinds.begin(), kinds.end(), [](const std::string& kind) {
        return kind.size() >= 2 && kind[0] == 'v' && kind[1] >= '0' && kind[1] <= '9';
    });
}

bool DicEntry::hasVerbMark(std::size_t index, char mark) const
{
    return std::any_of(kinds.begin(), kinds.end(), [&](const std::string& kind) {
        return kind.size() > index && kind[0] == 'v' && kind[1] >= '0' && kind[1] <= '9'
            && kind[index] == mark;
    });
}

bool DicEntry::isIntransitive() const
{
    return hasVerbMark(3, 'i');
}

bool DicEntry::isTransitive() const
{
    return hasVerbMark(4, 't');
}

bool DicEntry::isInvariable() const
{
    return isOneOf(kinds, {"adv", "advint", "negadv", "prep", "cj", "cjco", "cjsub", "interj"});
}

bool DicEntry::isInvariableLocution() const
{
    return isOneOf(kinds,
                   {"loc.adv", "loc.prep", "loc.prepv", "loc.cj", "loc.cjsub", "loc.interj"});
}

bool DicEntry::isInterjection() const
{
    return isOneOf(kinds, {"interj"});
}

bool DicEntry::hasKind(std::string_view kind) const
{
    return std::any_of(kinds.begin(), kinds.end(), [&](const std::string& own) {
        if (!kind.empty() && kind.back() == '.')
            return own.compare(0, kind.size(), kind) == 0;
        return own == kind;
    });
}

bool DicEntry::hasFlag(std::string_view flag) const
{
    if (flag.empty())
        return false;
    if (flag.size() == 1)
        return flags.find(flag[0]) != std::string::npos;
    for (std::size_t pos = 0; pos + flag.size() <= flags.size(); pos += flag.size()) {
        if (flags.compare(pos, flag.size(), flag) == 0)
            return true;
    }
    return false;
}

}  // namespace listmaking
