#include <listmaking/tests/HunspellFixture.h>

#include <listmaking/dictionary/OlderLists.h>

#include <gtest/gtest.h>

using listmaking::OlderLists;

namespace {

TEST(OlderLists, AspellListSharesPrefixes)
{
    // "ab", "abaca" (2 shared), "abbé" (2 shared, é in ISO 8859-1), "zen" (none)
    const std::string bytes =
        std::string("\x01") + "ab" + "\x03" + "aca" + "\x03" + "b\xE9" + "\x01" + "zen";
    EXPECT_EQ(OlderLists::aspellWords(bytes),
              (std::vector<std::string>{"ab", "abaca", "abb\xC3\xA9", "zen"}));
    EXPECT_TRUE(OlderLists::aspellWords("").empty());
}

TEST(OlderLists, HunspellFormsAreCheckedOnes)
{
    HunspellFixture fixture;
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(OlderLists::hunspellForms(fixture.file("fixture.dic"), fixture.file("fixture.aff"),
                                          words, error))
        << error;
    const auto has = [&](const std::string& w) {
        return std::find(words.begin(), words.end(), w) != words.end();
    };
    EXPECT_TRUE(has("bloguons"));
    EXPECT_TRUE(has("gouape"));
    EXPECT_FALSE(has("gouapes"));  // forbidden
    EXPECT_FALSE(has("nèpe"));     // needs an affix
}

TEST(OlderLists, MissingOlderDictionariesAreNamedNotFatal)
{
    HunspellFixture fixture;
    std::vector<std::string> words;
    std::vector<std::string> missing;
    std::string error;
    ASSERT_TRUE(OlderLists::readAll(fixture.paths(), words, missing, error)) << error;
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_NE(missing[0].find("myspell-fr"), std::string::npos) << missing[0];
    EXPECT_NE(missing[1].find("aspell-fr"), std::string::npos) << missing[1];
    EXPECT_EQ(words.size(), 6u);
}

TEST(SourceFiles, WorkFolderGivesTheUnpackedPlaces)
{
    lexicon::SourcePaths paths;
    paths.workDir = "/w";
    paths.fillFromWorkDir();
    EXPECT_EQ(paths.reformedDic, "/w/reformed/usr/share/hunspell/fr.dic");
    EXPECT_EQ(paths.myspellDic, "/w/older/myspell-fr/usr/share/hunspell/fr.dic");
    EXPECT_EQ(lexicon::SourcePaths::affOf(paths.myspellDic),
              "/w/older/myspell-fr/usr/share/hunspell/fr.aff");
    EXPECT_EQ(paths.aspellList, "/w/older/aspell-fr.cwl");
}

}  // namespace
