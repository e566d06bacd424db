#include <listmaking/tests/Drillable.h>
#include <listmaking/tests/FixtureLexicon.h>

#include <listmaking/lists/CatalogueLists.h>

#include <gtest/gtest.h>

#include <algorithm>

using listmaking::CatalogueLists;

namespace {

// The default lists' word sets of the fixture dictionaries, made with Hunspell as the judge.
const lexicon::Lexicon& fixtureLexicon()
{
    static const lexicon::Lexicon lexicon = Fixture::standard().lexicon();
    return lexicon;
}

struct Placement {
    std::string file;
    std::string line;
    bool present;
};

std::ostream& operator<<(std::ostream& out, const Placement& p)
{
    return out << p.file << (p.present ? " holds " : " lacks ") << p.line;
}

class WordPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(WordPlacement, LandsWhereItBelongs)
{
    const auto& p = GetParam();
    const auto lines = CatalogueLists::lines(p.file, fixtureLexicon());
    const bool found = std::find(lines.begin(), lines.end(), p.line) != lines.end();
    EXPECT_EQ(found, p.present) << ::testing::PrintToString(lines);
}

INSTANTIATE_TEST_SUITE_P(
    FixtureDictionaries, WordPlacement,
    ::testing::Values(
        // verbs by their transitive and intransitive marks, up to 10 letters
        Placement{"ods6new_vbt.txt", "BEGLORU;BLOGUER", true},
        Placement{"ods6new_vbi.txt", "BEGLORU;BLOGUER", false},
        Placement{"ods6new_vbi.txt", "BERUZZ;BUZZER", true},
        Placement{"ods6new_vbt.txt", "BERUZZ;BUZZER", false},
        Placement{"ods6new_vbt.txt", "ACEHRTTT;TCHATTER", true},
        Placement{"ods6new_vbi.txt", "ACEHRTTT;TCHATTER", true},
        Placement{"ods6new_vbt.txt", "CEIMORSSTU;CUSTOMISER", true},
        Placement{"ods6new_2-9L.txt", "CEIMORSSTU;CUSTOMISER", false},
        // whatever its length, a new word gives its forms of 2 to 9 letters
        Placement{"ods6new_2-9L_all.txt", "CEIMOSSTU;CUSTOMISE", true},
        Placement{"ods6new_9L_all.txt", "ACIMOSSTU;CUSTOMISA", true},
        // invariable words
        Placement{"ods6new_inv.txt", "CIILLO;ILLICO", true},
        Placement{"ods6new_inv.txt", "BEGLORU;BLOGUER", false},
        // extensions in the whole dictionary (older list and every form)
        Placement{"ods6new_rallonges_av.txt", "+ABLE;CFST", true},
        Placement{"ods6new_rallonges_ar.txt", "ZEN+;S", true},
        Placement{"ods6new_rallonges_ar.txt", "ABLE+;S", true},
        // reformed spellings that the modern dictionary lacks
        Placement{"ods6new_nouv_graphies.txt", "AIORSS;ASSOIR", true},
        Placement{"ods6new_nouv_graphies.txt", "ABELLORT;BALLOTER", true},
        Placement{"ods6new_nouv_graphies.txt", "EEEEMNNTV;EVENEMENT", true},
        Placement{"ods6new_nouv_graphies.txt", "ENZ;ZEN", false},
        // anagrams: every word of the whole dictionary, the draw padded to their length
        Placement{"entrees_5L_anags.txt", "AEIMR++++++++++++;AIMER MARIE RAMIE", true},
        Placement{"tout_5L_anags.txt", "AEIMR++++++++++++;AIMER MARIE RAMIE", true},
        // lengths, folding, expensive letters
        Placement{"ods6new_2-4L.txt", "ENZ;ZEN", true},
        Placement{"ods6new_2-4L.txt", "IQ;QI", true},
        Placement{"ods6new_2-6L_LC.txt", "IQ;QI", true},
        Placement{"ods6new_2-6L_LC.txt", "ENZ;ZEN", true},
        Placement{"ods6new_2-6L_LC.txt", "CIILLO;ILLICO", false},
        Placement{"ods6new_6L.txt", "ACEILR;ECLAIR", true},
        Placement{"ods6new_2-9L.txt", "AAABC;ABACA", false},
        Placement{"ods6new_2-9L.txt", "AIPRS;PARIS", false},
        // forms of the new words
        Placement{"ods6new_8L_all.txt", "BGLNOOSU;BLOGUONS", true},
        Placement{"ods6new_6L_all.txt", "AEIMRS;RAMIES", true},
        Placement{"ods6new_5L_all.txt", "AEIMR;RAMIE", false},
        Placement{"ods6new_2-9L_all.txt", "BEEGLOSU;BLOGUEES", true},
        Placement{"ods6new_2-9L_all.txt", "ACHNOSTTT;TCHATTONS", true}));

TEST(FixtureLexicon, SortsTheWordSets)
{
    const auto& lexicon = fixtureLexicon();
    std::vector<std::string> newWords;
    for (const auto& [word, kind] : lexicon.newWords)
        newWords.push_back(word);
    EXPECT_EQ(newWords,
              (std::vector<std::string>{"ABLE", "BLOGUER", "BUZZER", "CUSTOMISER", "ECLAIR",
                                        "ILLICO", "QI", "RAMIE", "TCHATTER", "ZEN"}));
    EXPECT_TRUE(lexicon.whole.count("ZENS"));
    EXPECT_TRUE(lexicon.whole.count("CABLE"));
    EXPECT_TRUE(lexicon.whole.count("COELACANTHE"));
    EXPECT_FALSE(lexicon.whole.count("PARIS"));
    EXPECT_FALSE(lexicon.whole.count("EXVOTO"));
}

TEST(FixtureLexicon, EveryFileIsDrillable)
{
    for (const auto& name : CatalogueLists::fileNames()) {
        const auto lines = CatalogueLists::lines(name, fixtureLexicon());
        EXPECT_EQ(drillProblem(lines, name), "") << name;
    }
}

}  // namespace
