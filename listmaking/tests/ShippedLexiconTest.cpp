// The lexicon installed with the program: when it stands for this machine's dictionary, and
// what happens when it does not.
#include <listmaking/tests/HunspellFixture.h>

#include <lexicon/SourceFingerprint.h>
#include <listmaking/dictionary/LexiconStore.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;
using listgen::SourceFingerprint;

namespace {

// The fingerprint of the fixture sources, with one line changed as another machine gives it.
struct Made {
    const char* name;
    std::string role;     // the line that differs ("" for none)
    std::string changed;  // its text there
    bool accepted;
};

class ShippedFingerprint : public ::testing::TestWithParam<Made> {};

TEST_P(ShippedFingerprint, StandsForTheSameModernDictionaryOnly)
{
    const HunspellFixture fixture;
    const std::string ours = SourceFingerprint::of(fixture.paths());
    std::string made;
    std::size_t start = 0;
    while (start < ours.size()) {
        const auto end = ours.find('\n', start) + 1;
        const std::string line = ours.substr(start, end - start);
        const bool differs = !GetParam().role.empty() && line.rfind(GetParam().role + " ", 0) == 0;
        made += differs ? GetParam().role + " " + GetParam().changed + "\n" : line;
        start = end;
    }
    EXPECT_EQ(SourceFingerprint::madeFromSameDictionary(made, fixture.paths()), GetParam().accepted)
        << made;
}

const std::string dicLine = " 2592051 1607620415.0";

INSTANTIATE_TEST_SUITE_P(
    Lines, ShippedFingerprint,
    ::testing::Values(
        Made{"same", "", "", true},
        // the build machine's own places, which a player's machine lacks
        Made{"olderListsElsewhere", "myspell", "/build/listgen-work/older/fr.dic 776172 1.0", true},
        Made{"reformedElsewhere", "rectifie", "/build/listgen-work/reformed/fr.dic 2539158 1.0",
             true},
        Made{"wfrenchAbsent", "wfrench", "/usr/share/dict/french absent", true},
        Made{"stopListElsewhere", "refuses", "/src/listmaking/mots-refuses.txt 1311 2.0", true},
        // another dictionary, another affix file, another format
        Made{"otherDictionary", "moderne", "/usr/share/hunspell/fr.dic" + dicLine, false},
        Made{"otherAffixes", "affixes", "/usr/share/hunspell/fr.aff 292269 1.0", false},
        Made{"otherFormat", "format", "0", false}),
    [](const ::testing::TestParamInfo<Made>& info) { return std::string(info.param.name); });

TEST(ShippedFingerprint, NoneIsNeverAccepted)
{
    const HunspellFixture fixture;
    EXPECT_FALSE(SourceFingerprint::madeFromSameDictionary("", fixture.paths()));
}

// A player's machine: the same dictionary as the build machine's, none of its other sources,
// an empty work folder of its own.
TEST(ShippedLexicon, IsReadWhenItFitsAndMadeInTheWorkFolderOtherwise)
{
    const HunspellFixture fixture;
    listgen::PreparedLexicon built;
    ASSERT_TRUE(listgen::LexiconStore(fixture.paths()).obtain(built));
    const std::string shipped = fixture.paths().workDir + "/" + listgen::LexiconStore::fileName;

    testsupport::TempFolder player;
    auto paths = fixture.paths();
    paths.workDir = player.file("cache");
    paths.myspellDic.clear();
    paths.aspellList.clear();
    paths.reformedDic.clear();
    paths.stopList = fixture.file("stop.txt");
    paths.shippedLexicon = shipped;
    listgen::LexiconStore store(paths);
    EXPECT_TRUE(store.isFresh());
    listgen::PreparedLexicon read;
    ASSERT_TRUE(store.obtain(read)) << store.errorText();
    EXPECT_FALSE(store.made());
    EXPECT_EQ(read.forms().size(), built.forms().size());
    EXPECT_FALSE(fs::exists(store.path()));

    // the player's dictionary is another version: the lexicon is made for it, once
    fs::last_write_time(paths.modernDic,
                        fs::last_write_time(paths.modernDic) + std::chrono::seconds(1));
    listgen::LexiconStore again(paths);
    EXPECT_FALSE(again.isFresh());
    ASSERT_TRUE(again.obtain(read)) << again.errorText();
    EXPECT_TRUE(again.made() && again.saved());
    EXPECT_TRUE(again.warnings().empty()) << again.warnings().front();  // nothing absent is given
    EXPECT_TRUE(listgen::LexiconStore(paths).isFresh());
}

}  // namespace
