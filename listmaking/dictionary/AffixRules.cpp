#include <listmaking/dictionary/AffixRules.h>

#include <lexicon/Utf8.h>
#include <listmaking/dictionary/BlankFields.h>

#include <algorithm>
#include <cctype>

namespace listmaking {

namespace {

bool isNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// "0" is the empty affix.
std::u32string affixText(std::string_view text)
{
    return text == "0" ? std::u32string() : lexicon::Utf8::decode(text);
}

std::string lineError(std::size_t number, const std::string& what)
{
    return "ligne " + std::to_string(number) + " : " + what;
}

// Directives that would change the forms of the entries and that are not read here.
const char* const unsupported[] = {"AF",           "AM",           "COMPLEXPREFIXES",
                                   "COMPOUNDFLAG", "COMPOUNDRULE", "COMPOUNDBEGIN"};

}  // namespace

bool AffixRules::parse(std::string_view text, std::string& error)
{
    std::size_t number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        ++number;
        const auto fields = BlankFields::split(text.substr(pos, end - pos));
        if (!fields.empty() && fields[0][0] != '#' && !parseLine(fields, number, error))
            return false;
        pos = end + 1;
    }
    return true;
}

bool AffixRules::parseLine(const std::vector<std::string_view>& fields, std::size_t number,
                           std::string& error)
{
    const std::string_view key = fields[0];
    const std::string_view value = fields.size() > 1 ? fields[1] : std::string_view();
    if (key == "PFX" || key == "SFX")
        return parseAffix(fields, number, error);
    if (std::find(std::begin(unsupported), std::end(unsupported), key) != std::end(unsupported)) {
        error =
            lineError(number, "la directive " + std::string(key) + " n'est pas prise en charge");
        return false;
    }
    if (key == "SET" && value != "UTF-8") {
        error = lineError(number,
                          "l'encodage " + std::string(value)
                              + " n'est pas pris en charge (UTF-8 seulement)");
        return false;
    }
    if (key == "FLAG")
        flagType_ = value == "long" ? FlagType::pairs
            : value == "num"        ? FlagType::numbers
            : value == "UTF-8"      ? FlagType::characters
                                    : FlagType::bytes;
    else if (key == "NEEDAFFIX" || key == "PSEUDOROOT")
        needAffix_ = oneFlag(value);
    else if (key == "FORBIDDENWORD")
        forbidden_ = oneFlag(value);
    else if (key == "FULLSTRIP")
        fullStrip_ = true;
    return true;
}

// "SFX F. Y 33" opens a class; its rules follow: "SFX F. 0 es/D'Q' [^sxz] is:fem is:pl".
bool AffixRules::parseAffix(const std::vector<std::string_view>& fields, std::size_t number,
                            std::string& error)
{
    if (fields.size() < 4) {
        error = lineError(number, "ligne d'affixe incomplète");
        return false;
    }
    const AffixFlag flag = oneFlag(fields[1]);
    const bool prefix = fields[0] == "PFX";
    if (!open_ || rulesLeft_ == 0 || open_->flag != flag || open_->prefix != prefix) {
        if (!isNumber(fields[3]) || (fields[2] != "Y" && fields[2] != "N")) {
            error = lineError(number, "en-tête d'affixe attendu (« SFX drapeau Y nombre »)");
            return false;
        }
        auto& classes = prefix ? prefixes_ : suffixes_;
        open_ = &classes[flag];
        open_->flag = flag;
        open_->prefix = prefix;
        open_->crossProduct = fields[2] == "Y";
        rulesLeft_ = std::stoul(std::string(fields[3]));
        return true;
    }
    AffixRule rule;
    rule.id = ++rulesRead_;
    rule.strip = affixText(fields[2]);
    const std::string_view added = fields[3];
    const auto slash = added.find('/');
    rule.append = affixText(added.substr(0, slash));
    if (slash != std::string_view::npos)
        rule.continuation = flagsOf(added.substr(slash + 1));
    auto condition = AffixCondition::parse(fields.size() > 4 ? fields[4] : ".");
    if (!condition) {
        error = lineError(number, "condition d'affixe mal formée");
        return false;
    }
    rule.condition = std::move(*condition);
    std::vector<std::string> traits;
    for (std::size_t i = 5; i < fields.size(); ++i) {
        if (fields[i].substr(0, 3) == "is:")
            traits.emplace_back(fields[i].substr(3));
    }
    rule.tags = lexicon::FormTags::of(traits);
    open_->rules.push_back(std::move(rule));
    --rulesLeft_;
    return true;
}

AffixFlag AffixRules::oneFlag(std::string_view text) const
{
    const auto flags = flagsOf(text);
    return flags.empty() ? noFlag : flags.front();
}

std::vector<AffixFlag> AffixRules::flagsOf(std::string_view text) const
{
    std::vector<AffixFlag> flags;
    switch (flagType_) {
    case FlagType::bytes:
        for (const char c : text)
            flags.push_back(static_cast<unsigned char>(c));
        break;
    case FlagType::pairs:
        for (std::size_t i = 0; i + 1 < text.size(); i += 2)
            flags.push_back(static_cast<AffixFlag>(static_cast<unsigned char>(text[i])) << 8
                            | static_cast<unsigned char>(text[i + 1]));
        break;
    case FlagType::numbers: {
        std::size_t pos = 0;
        while (pos < text.size()) {
            auto comma = text.find(',', pos);
            if (comma == std::string_view::npos)
                comma = text.size();
            const auto piece = text.substr(pos, comma - pos);
            if (isNumber(piece))
                flags.push_back(static_cast<AffixFlag>(std::stoul(std::string(piece))));
            pos = comma + 1;
        }
        break;
    }
    case FlagType::characters:
        for (const char32_t c : lexicon::Utf8::decode(text))
            flags.push_back(c);
        break;
    }
    return flags;
}

const AffixClass* AffixRules::prefix(AffixFlag flag) const
{
    const auto found = prefixes_.find(flag);
    return found == prefixes_.end() ? nullptr : &found->second;
}

const AffixClass* AffixRules::suffix(AffixFlag flag) const
{
    const auto found = suffixes_.find(flag);
    return found == suffixes_.end() ? nullptr : &found->second;
}

}  // namespace listmaking
