// The lexicon installed with the program: when it stands for this machine's dictionary, and
// what happens when it does not.
#include <files/Utf8Path.h>
#include <listmaking/tests/HunspellFixture.h>

#include <lexicon/SourceFingerprint.h>
#include <listmaking/dictionary/LexiconStore.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using lexicon::SourceFingerprint;

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
    const std::string ours = lexicon::SourceFingerprint::of(fixture.paths());
    std::string made;
    std::size_t start = 0;
    while (start < ours.size()) {
        const auto end = ours.find('\n', start) + 1;
        const std::string line = ours.substr(start, end - start);
        const bool differs = !GetParam().role.empty() && line.rfind(GetParam().role + " ", 0) == 0;
        made += differs ? GetParam().role + " " + GetParam().changed + "\n" : line;
        start = end;
    }
    EXPECT_EQ(lexicon::SourceFingerprint::madeFromSameDictionary(made, fixture.paths()),
              GetParam().accepted)
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

// The same dictionary installed elsewhere (by the Windows installer, under a path with spaces
// and accents, at another time) stands for the one the lexicon was made from; in the same
// place with another size, it does not.
TEST(ShippedFingerprint, TheDictionarysPlaceAndTimeDoNotCountItsSizeDoes)
{
    const HunspellFixture fixture;
    const std::string ours = SourceFingerprint::of(fixture.paths());
    const std::size_t start = ours.find("\nmoderne ") + 1;
    const std::size_t end = ours.find('\n', start);
    const std::string line = ours.substr(start, end - start);
    const std::size_t time = line.find_last_of(' ');
    const std::size_t size = line.find_last_of(' ', time - 1);
    const std::string sizeAndTime = line.substr(size, time - size) + " 1607620414.0";
    for (const std::string place :
         {"C:/Users/Hélène Dupont/AppData/Local/Programs/vorlane/share/vorlane/hunspell/fr.dic",
          "/opt/autre/fr.dic"}) {
        std::string made = ours;
        made.replace(start, end - start, "moderne " + place + sizeAndTime);
        EXPECT_TRUE(SourceFingerprint::madeFromSameDictionary(made, fixture.paths())) << made;
    }
    std::string longer = ours;
    longer.replace(start, end - start, line.substr(0, size) + " 1" + line.substr(size + 1));
    EXPECT_FALSE(SourceFingerprint::madeFromSameDictionary(longer, fixture.paths())) << longer;
}

TEST(ShippedFingerprint, NoneIsNeverAccepted)
{
    const HunspellFixture fixture;
    EXPECT_FALSE(lexicon::SourceFingerprint::madeFromSameDictionary("", fixture.paths()));
}

// A player's machine: the same dictionary as the build machine's, none of its other sources,
// an empty work folder of its own.
TEST(ShippedLexicon, IsReadWhenItFitsAndMadeInTheWorkFolderOtherwise)
{
    const HunspellFixture fixture;
    lexicon::PreparedLexicon built;
    ASSERT_TRUE(listmaking::LexiconStore(fixture.paths()).obtain(built));
    const std::string shipped = fixture.paths().workDir + "/" + listmaking::LexiconStore::fileName;

    testsupport::TempFolder player;
    auto paths = fixture.paths();
    paths.workDir = player.file("cache");
    paths.myspellDic.clear();
    paths.aspellList.clear();
    paths.reformedDic.clear();
    paths.stopList = fixture.file("stop.txt");
    paths.shippedLexicon = shipped;
    listmaking::LexiconStore store(paths);
    EXPECT_TRUE(store.isFresh());
    lexicon::PreparedLexicon read;
    const auto obtained = store.obtain(read);
    ASSERT_TRUE(obtained) << obtained.why();
    EXPECT_FALSE(store.made());
    EXPECT_EQ(read.forms().size(), built.forms().size());
    EXPECT_FALSE(fs::exists(files::fromUtf8(store.path())));

    // the player's dictionary is another version (another size): the lexicon is made for it,
    // once
    std::ofstream(files::fromUtf8(paths.modernDic), std::ios::binary | std::ios::app) << "\n";
    listmaking::LexiconStore again(paths);
    EXPECT_FALSE(again.isFresh());
    const auto obtainedAgain = again.obtain(read);
    ASSERT_TRUE(obtainedAgain) << obtainedAgain.why();
    EXPECT_TRUE(again.made() && again.saved());
    EXPECT_TRUE(again.warnings().empty()) << again.warnings().front();  // nothing absent is given
    EXPECT_TRUE(listmaking::LexiconStore(paths).isFresh());
}

}  // namespace
