#include <listmaking/tests/HunspellFixture.h>

#include <listmaking/lists/CatalogueLists.h>

#include <gtest/gtest.h>

namespace {

const lexicon::Lexicon& fixtureLexicon(bool families = false)
{
    static const HunspellFixture fixture;
    static const lexicon::Lexicon lexicon = fixture.lexicon();
    static const HunspellFixture withFamilies(true);
    static const lexicon::Lexicon familiesLexicon = withFamilies.lexicon();
    return families ? familiesLexicon : lexicon;
}

struct Rule {
    std::string what;
    std::string word;
    bool newWord;           // among the new entries
    bool form;              // among the forms of the new entries
    bool whole;             // in the whole dictionary
    bool families = false;  // of HunspellFixture's family entries
};

std::ostream& operator<<(std::ostream& out, const Rule& r)
{
    return out << r.what << " " << r.word;
}

class GeneratorRule : public ::testing::TestWithParam<Rule> {};

TEST_P(GeneratorRule, SortsTheWord)
{
    const auto& r = GetParam();
    const auto& lexicon = fixtureLexicon(r.families);
    EXPECT_EQ(lexicon.newWords.count(r.word) == 1, r.newWord) << "new words";
    EXPECT_EQ(lexicon.newForms.count(r.word) == 1, r.form) << "forms of the new words";
    EXPECT_EQ(lexicon.whole.count(r.word) == 1, r.whole) << "whole dictionary";
}

INSTANTIATE_TEST_SUITE_P(
    FixtureDictionary, GeneratorRule,
    ::testing::Values(Rule{"new noun", "GOUAPE", true, true, true},
                      Rule{"form Hunspell forbids", "GOUAPES", false, false, false},
                      Rule{"new noun with its plural", "ZENS", false, true, true},
                      Rule{"stem that needs an affix", "NEPE", false, false, false},
                      Rule{"its affixed form", "NEPES", false, false, true},
                      Rule{"unit", "BAR", false, false, false},
                      Rule{"unit with a prefix", "KILOBAR", false, false, false},
                      Rule{"abbreviation marked", "IBID", false, false, false},
                      Rule{"abbreviation of the stop list", "LITT", false, false, false},
                      Rule{"locution fragment", "CAPPELLA", false, false, false},
                      Rule{"locution word kept", "CATIMINI", true, true, true},
                      Rule{"no vowel", "PH", false, false, false},
                      Rule{"interjection without vowel", "PFF", true, true, true},
                      Rule{"genuine short word", "QI", true, true, true},
                      Rule{"old word", "AIMER", false, false, true},
                      Rule{"old plural", "DECOMBRE", false, false, true},
                      Rule{"plural that is old", "DECOMBRES", false, false, true},
                      Rule{"new verb", "BLOGUER", true, true, true},
                      Rule{"old form of a new verb", "BLOGUE", false, false, true},
                      Rule{"new form of a new verb", "BLOGUONS", false, true, true},
                      Rule{"proper noun", "PARIS", false, false, false},
                      Rule{"accents folded", "KEROSENE", true, true, true},
                      Rule{"unit", "KATAL", true, true, true, true},
                      Rule{"unit plural its prefix brings", "KATALS", false, true, true, true},
                      Rule{"unit with a metric prefix", "KILOKATALS", false, false, true, true},
                      Rule{"verb of 10 letters", "DECONFINER", true, false, true, true},
                      Rule{"its form of 9 letters", "DECONFINE", false, true, true, true},
                      Rule{"form of an accented condition", "PREVALE", false, true, true, true},
                      Rule{"second feminine", "AUTRICES", false, true, true, true}));

TEST(GeneratorRule, VerbUsesAndAnagramsComeFromTheDictionary)
{
    using listmaking::CatalogueLists;
    const auto& lexicon = fixtureLexicon();
    EXPECT_EQ(CatalogueLists::lines("ods6new_vbt.txt", lexicon),
              (std::vector<std::string>{"ACEHRTTT;TCHATTER", "BEGLORU;BLOGUER"}));
    EXPECT_EQ(CatalogueLists::lines("ods6new_vbi.txt", lexicon),
              (std::vector<std::string>{"ACEHRTTT;TCHATTER", "BERUZZ;BUZZER"}));
    EXPECT_EQ(CatalogueLists::lines("entrees_5L_anags.txt", lexicon),
              (std::vector<std::string>{"AEIMR++++++++++++;AIMER MARIE RAMIE"}));
}

}  // namespace
