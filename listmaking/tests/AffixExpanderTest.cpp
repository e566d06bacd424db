#include <listmaking/dictionary/AffixExpander.h>
#include <listmaking/dictionary/AffixRules.h>

#include <gtest/gtest.h>

#include <set>

using lexicon::FormTags;
using listmaking::AffixExpander;
using listmaking::AffixRules;
using listmaking::DicEntry;

namespace {

AffixRules rulesOf(const std::string& text)
{
    AffixRules rules;
    std::string error;
    EXPECT_TRUE(rules.parse(text, error)) << error;
    return rules;
}

std::set<std::string> spellings(const AffixRules& rules, const std::string& dicLine)
{
    std::set<std::string> forms;
    for (const auto& form : AffixExpander(rules).forms(*DicEntry::parse(dicLine)))
        forms.insert(form.spelling);
    return forms;
}

const char* const french =
    "SET UTF-8\nFLAG long\nNEEDAFFIX ()\nFORBIDDENWORD {}\n\n"
    "PFX L' Y 1\nPFX L' 0 l' [aeéiou]\n\n"
    "PFX Um Y 2\nPFX Um 0 0/S. .\nPFX Um 0 kilo/S.() .\n\n"
    "SFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n\n"
    "SFX F. Y 4\nSFX F. 0 0 . is:mas is:sg\nSFX F. 0 s . is:mas is:pl\n"
    "SFX F. 0 e . is:fem is:sg\nSFX F. 0 es . is:fem is:pl\n\n"
    "SFX Gc Y 1\nSFX Gc eur rice [td]eur is:fem is:sg\n\n"
    "SFX pN Y 2\nSFX pN oir oir oir\nSFX pN oir e [éè]valoir\n\n"
    "SFX xN Y 2\nSFX xN oudre oudre oudre\nSFX xN oudre olue/L' ésoudre is:fem is:sg\n";

struct Expansion {
    const char* name;
    std::string line;
    std::set<std::string> forms;
};

class AffixExpansion : public ::testing::TestWithParam<Expansion> {};

TEST_P(AffixExpansion, GivesTheFormsHunspellReads)
{
    EXPECT_EQ(spellings(rulesOf(french), GetParam().line), GetParam().forms);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AffixExpansion,
    ::testing::Values(
        Expansion{"plainStem", "illico po:adv", {"illico"}},
        Expansion{"stemNeedsAnAffix", "chat/S.() po:nom is:mas", {"chat", "chats"}},
        Expansion{"conditionFails", "gaz/S.() po:nom", {}}, Expansion{"forbidden", "chats/{}", {}},
        Expansion{"twoFeminines",
                  "auteur/F.Gc() po:nom",
                  {"auteur", "auteurs", "auteure", "auteures", "autrice"}},
        Expansion{"accentedCondition", "prévaloir/pN() po:v3", {"prévaloir", "prévale"}},
        Expansion{
            "accentedConditionWithContinuation", "résoudre/xN() po:v3", {"résoudre", "résolue"}},
        Expansion{"unitPluralByItsPrefix",
                  "katal/Um() po:nom is:mas",
                  {"katal", "katals", "kilokatal", "kilokatals"}},
        Expansion{"elisionLeftOut", "avion/L'S.() po:nom is:mas", {"avion", "avions"}}),
    [](const ::testing::TestParamInfo<Expansion>& info) { return std::string(info.param.name); });

// The same entries as a plain affix file without long flags.
TEST(AffixExpander, ExpandsWithTheAffixFile)
{
    const auto rules = rulesOf("SET UTF-8\nFLAG long\n\nSFX S. Y 1\nSFX S. 0 s .\n\n"
                               "SFX F. Y 2\nSFX F. 0 e .\nSFX F. 0 es .\n");
    std::set<std::string> forms;
    for (const auto* line : {"chat/S. po:nom is:mas", "vert/F. po:adj", "illico po:adv"}) {
        const auto some = spellings(rules, line);
        forms.insert(some.begin(), some.end());
    }
    EXPECT_EQ(forms, (std::set<std::string>{"chat", "chats", "vert", "verte", "vertes", "illico"}));
}

TEST(AffixExpander, TagsAndSuffixClassTellTheFamily)
{
    const auto rules = rulesOf(french);
    const auto forms = AffixExpander(rules).forms(*DicEntry::parse("auteur/F.Gc() po:nom"));
    const auto find = [&](const std::string& spelling) {
        for (const auto& form : forms) {
            if (form.spelling == spelling)
                return form;
        }
        ADD_FAILURE() << spelling;
        return listmaking::ExpandedForm{};
    };
    EXPECT_EQ(find("autrice").tags.gender, lexicon::FormTags::Gender::feminine);
    EXPECT_EQ(find("auteures").tags.number, lexicon::FormTags::Number::plural);
    EXPECT_NE(find("autrice").group, find("auteure").group);
    EXPECT_EQ(find("auteure").group, find("auteures").group);
    const auto units = AffixExpander(rules).forms(*DicEntry::parse("katal/Um() po:nom is:mas"));
    for (const auto& form : units)
        EXPECT_EQ(form.prefix != 0, form.spelling.rfind("kilo", 0) == 0) << form.spelling;
}

struct Malformed {
    const char* name;
    std::string text;
};

class AffixFileErrors : public ::testing::TestWithParam<Malformed> {};

TEST_P(AffixFileErrors, AreRefusedWithTheirLine)
{
    AffixRules rules;
    std::string error;
    EXPECT_FALSE(rules.parse(GetParam().text, error));
    EXPECT_NE(error.find("ligne "), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Files, AffixFileErrors,
    ::testing::Values(Malformed{"otherEncoding", "SET ISO8859-1\n"},
                      Malformed{"flagAliases", "AF 2\nAF S.\n"},
                      Malformed{"openBracket", "SFX S. Y 1\nSFX S. 0 s [^sx\n"},
                      Malformed{"noHeader", "SFX S. 0 s .\n"}),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

}  // namespace
