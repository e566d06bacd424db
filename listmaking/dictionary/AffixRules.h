#pragma once

#include <lexicon/FormTags.h>
#include <listmaking/dictionary/AffixCondition.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace listmaking {

using AffixFlag = std::uint32_t;

// One line of an affix class: strip these characters, add those, when the condition holds.
struct AffixRule {
    std::uint32_t id = 0;  // the rule's number in the file, from 1
    std::u32string strip;
    std::u32string append;
    std::vector<AffixFlag> continuation;  // the flags after the "/" of the added part
    AffixCondition condition;
    lexicon::FormTags tags;  // "is:" fields of the line
};

// The rules that one flag of a .dic entry brings in.
struct AffixClass {
    AffixFlag flag = 0;
    bool prefix = false;
    bool crossProduct = false;  // "Y": combines with the affixes of the other side
    std::vector<AffixRule> rules;
};

// What the list generator reads of a Hunspell affix file (.aff): its flag type, the prefix
// and suffix classes, and the flags with a meaning of their own (an entry that needs an
// affix, a forbidden word). Directives that change how words are built but that the French
// dictionaries do not use (flag aliases, compounds, complex prefixes) are refused, so that
// no form is silently missed.
class AffixRules {
public:
    // False, with `error` in French, when a line cannot be understood.
    bool parse(std::string_view text, std::string& error);

    // The flags of a .dic entry or of a continuation, read by the FLAG type of the file.
    std::vector<AffixFlag> flagsOf(std::string_view text) const;
    const AffixClass* prefix(AffixFlag flag) const;
    const AffixClass* suffix(AffixFlag flag) const;

    static constexpr AffixFlag noFlag = 0xFFFFFFFF;
    AffixFlag needAffix() const { return needAffix_; }
    AffixFlag forbidden() const { return forbidden_; }
    // The whole word may be stripped (FULLSTRIP).
    bool fullStrip() const { return fullStrip_; }

private:
    enum class FlagType { bytes, pairs, numbers, characters };

    bool parseLine(const std::vector<std::string_view>& fields, std::size_t number,
                   std::string& error);
    bool parseAffix(const std::vector<std::string_view>& fields, std::size_t number,
                    std::string& error);
    AffixFlag oneFlag(std::string_view text) const;

    FlagType flagType_ = FlagType::bytes;
    AffixFlag needAffix_ = noFlag;
    AffixFlag forbidden_ = noFlag;
    bool fullStrip_ = false;
    std::map<AffixFlag, AffixClass> prefixes_;
    std::map<AffixFlag, AffixClass> suffixes_;
    AffixClass* open_ = nullptr;  // the class whose rules are being read
    std::size_t rulesLeft_ = 0;
    std::uint32_t rulesRead_ = 0;
};

}  // namespace listmaking
