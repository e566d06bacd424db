#include <lexicon/GameWord.h>
#include <listmaking/dictionary/DicEntry.h>
#include <listmaking/dictionary/DicReader.h>
#include <textfile/VectorLineSource.h>

#include <gtest/gtest.h>

using lexicon::GameWord;
using listmaking::DicEntry;

namespace {

struct Folding {
    std::string utf8;
    std::string game;  // empty: not a word of the game
};

class GameWordFolding : public ::testing::TestWithParam<Folding> {};

TEST_P(GameWordFolding, FoldsToCapitals)
{
    const auto folded = lexicon::GameWord::fold(GetParam().utf8);
    EXPECT_EQ(folded.value_or(""), GetParam().game);
}

INSTANTIATE_TEST_SUITE_P(
    Words, GameWordFolding,
    ::testing::Values(Folding{"abaque", "ABAQUE"}, Folding{"éclair", "ECLAIR"},
                      Folding{"ÉCLAIR", "ECLAIR"}, Folding{"garçon", "GARCON"},
                      Folding{"cœur", "COEUR"}, Folding{"Œuvre", "OEUVRE"}, Folding{"ex æquo", ""},
                      Folding{"tænia", "TAENIA"}, Folding{"naïf", "NAIF"}, Folding{"où", "OU"},
                      Folding{"bâté", "BATE"}, Folding{"capharnaüm", "CAPHARNAUM"},
                      Folding{"ÿ", "Y"}, Folding{"cañon", "CANON"}, Folding{"ex-voto", ""},
                      Folding{"aujourd'hui", ""}, Folding{"aujourd’hui", ""}, Folding{"etc.", ""},
                      Folding{"1er", ""}, Folding{"", ""}, Folding{"straße", ""},
                      Folding{"smørrebrød", ""}, Folding{"\xC3", ""}, Folding{"a\x80", ""}));

TEST(GameWord, CapitalsMarkProperNouns)
{
    EXPECT_TRUE(lexicon::GameWord::startsWithCapital("Paris"));
    EXPECT_TRUE(lexicon::GameWord::startsWithCapital("Écosse"));
    EXPECT_TRUE(lexicon::GameWord::startsWithCapital("Œdipe"));
    EXPECT_FALSE(lexicon::GameWord::startsWithCapital("écosser"));
    EXPECT_FALSE(lexicon::GameWord::startsWithCapital("œuf"));
    EXPECT_FALSE(lexicon::GameWord::startsWithCapital(""));
}

struct Kind {
    std::string line;
    std::string word;
    bool proper, verb, intransitive, transitive, invariable;
};

class DicEntryKind : public ::testing::TestWithParam<Kind> {};

TEST_P(DicEntryKind, ReadsItsFields)
{
    const auto& k = GetParam();
    const auto entry = DicEntry::parse(k.line);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->word, k.word);
    EXPECT_EQ(entry->isProperNoun(), k.proper);
    EXPECT_EQ(entry->isVerb(), k.verb);
    EXPECT_EQ(entry->isIntransitive(), k.intransitive);
    EXPECT_EQ(entry->isTransitive(), k.transitive);
    EXPECT_EQ(entry->isInvariable(), k.invariable);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DicEntryKind,
    ::testing::Values(
        Kind{"chanter/a0p+() po:v1_it____a", "chanter", false, true, true, true, false},
        Kind{"bloguer/a0p+() po:v1__t___zz", "bloguer", false, true, false, true, false},
        Kind{"buzzer/a0p+()\tpo:v1_i____zz", "buzzer", false, true, true, false, false},
        Kind{"pleuvoir/c0 po:v3____imp", "pleuvoir", false, true, false, false, false},
        Kind{"illico po:adv", "illico", false, false, false, false, true},
        Kind{"av/L'D'Q' po:mg po:prep", "av", false, false, false, false, true},
        Kind{"mais po:cjco", "mais", false, false, false, false, true},
        Kind{"ouf po:interj", "ouf", false, false, false, false, true},
        Kind{"ab/L'D'Q' po:loc.adv", "ab", false, false, false, false, false},
        Kind{"table/S. po:nom is:fem", "table", false, false, false, false, false},
        Kind{"vitriol/S. po:nom is:mas  ", "vitriol", false, false, false, false, false},
        Kind{"Paris/L'D'Q' po:npr is:mas", "Paris", true, false, false, false, false},
        Kind{"mélanie po:prn", "mélanie", true, false, false, false, false},
        Kind{"dupont po:patr", "dupont", true, false, false, false, false},
        Kind{"Îlet/S. po:nom", "Îlet", true, false, false, false, false}));

TEST(DicEntry, BlankLineIsNoEntry)
{
    EXPECT_FALSE(DicEntry::parse(""));
    EXPECT_FALSE(DicEntry::parse("  \t\r"));
}

TEST(DicReader, SkipsTheCountLine)
{
    textfile::VectorLineSource dic({"3", "abaca/S. po:nom", "", "zen po:adj"});
    const auto entries = listmaking::DicReader::entries(dic);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].word, "abaca");
    EXPECT_EQ(entries[0].line, "abaca/S. po:nom");
    EXPECT_EQ(entries[1].word, "zen");

    textfile::VectorLineSource countless({"abaca", "12"});
    const auto kept = listmaking::DicReader::entries(countless);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1].word, "12");
}

TEST(DicReader, ReadsPlainWords)
{
    textfile::VectorLineSource list({"a", "  ", "abaca\r", " zen "});
    EXPECT_EQ(listmaking::DicReader::words(list), (std::vector<std::string>{"a", "abaca", "zen"}));
}

}  // namespace
