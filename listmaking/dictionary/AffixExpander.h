#pragma once

#include <lexicon/FormTags.h>
#include <listmaking/dictionary/AffixRules.h>
#include <listmaking/dictionary/DicEntry.h>

#include <string>
#include <vector>

namespace listmaking {

// One form that a .dic entry stands for.
struct ExpandedForm {
    std::string spelling;    // UTF-8, as the dictionary spells it
    lexicon::FormTags tags;  // the affix's gender and number over the entry's own
    // The suffix class that made it (AffixRules::noFlag for none): a feminine and its plural
    // come from the same class, a second feminine of the same entry (AUTEURE beside AUTRICE)
    // from another one.
    AffixFlag group = AffixRules::noFlag;
    // The rule of a prefix that added letters (0 for none): a word derived from the entry
    // (KILOKATAL from KATAL), not one of its inflections.
    std::uint32_t prefix = 0;

    bool operator<(const ExpandedForm& other) const;
    bool operator==(const ExpandedForm& other) const;
};

// Expands .dic entries into their forms with the rules of an affix file, the way Hunspell
// reads them: the entry itself unless it needs an affix, each suffix and prefix whose
// condition holds, prefixes crossed with suffixes when both allow it, and the suffixes that
// a prefix's continuation brings (the plural of a unit). Affixes that add an apostrophe, a
// hyphen or a blank (elisions: l', d', qu') are left out: they never make a word of the game.
// Nothing here is checked: Hunspell judges every form afterwards.
class AffixExpander {
public:
    explicit AffixExpander(const AffixRules& rules) : rules_(rules) {}

    // The forms of one entry, each once, in no particular order.
    std::vector<ExpandedForm> forms(const DicEntry& entry) const;

private:
    struct Suffixed {
        std::u32string word;
        const AffixRule* rule;
        const AffixClass* affixClass;
    };

    bool suffixApplies(const std::u32string& word, const AffixRule& rule) const;
    bool prefixApplies(const std::u32string& word, const AffixRule& rule) const;
    bool needsAffix(const std::vector<AffixFlag>& flags) const;
    void addSuffixes(const std::u32string& word, const AffixClass& affixClass,
                     const lexicon::FormTags& base, std::vector<Suffixed>& suffixed,
                     std::vector<ExpandedForm>& forms) const;
    void addPrefix(const std::u32string& word, const AffixClass& affixClass, const AffixRule& rule,
                   const std::vector<AffixFlag>& entryFlags, const std::vector<Suffixed>& suffixed,
                   const lexicon::FormTags& base, std::vector<ExpandedForm>& forms) const;

    const AffixRules& rules_;
};

}  // namespace listmaking
