// Text as players' files hold it: accents as combining marks, invisible and control
// characters, and words typed with or without their accents.
#include <listmaking/tests/HunspellFixture.h>

#include <listmaking/ownwords/ImportMessages.h>
#include <listmaking/ownwords/ImportReport.h>
#include <listmaking/ownwords/OwnWordList.h>
#include <listmaking/ownwords/OwnWords.h>
#include <listmaking/ownwords/ShownText.h>

#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using listmaking::OwnWordList;
using listmaking::TypedWord;
using namespace std::string_literals;

namespace {

// A file with accents as combining marks (NFD) and its twin with accented letters (NFC).
struct Twins {
    const char* name;
    std::string decomposed;
    std::string composed;
};

class DecomposedAccents : public ::testing::TestWithParam<Twins> {};

TEST_P(DecomposedAccents, ReadAsTheirComposedTwin)
{
    OwnWordList nfd;
    nfd.parse(GetParam().decomposed);
    OwnWordList nfc;
    nfc.parse(GetParam().composed);
    EXPECT_TRUE(nfd.refused().empty()) << nfd.refused().front().reason;
    EXPECT_FALSE(nfd.words().empty());
    EXPECT_EQ(nfd.words(), nfc.words());
    EXPECT_EQ(nfd.typedWords().size(), nfc.typedWords().size());
    EXPECT_TRUE(std::equal(nfd.typedWords().begin(), nfd.typedWords().end(),
                           nfc.typedWords().begin(), [](const TypedWord& a, const TypedWord& b) {
                               return a.game == b.game && a.accented == b.accented;
                           }));
}

INSTANTIATE_TEST_SUITE_P(Files, DecomposedAccents,
                         ::testing::Values(Twins{"acute",
                                                 "De\xCC\x81"
                                                 "confiner\n",
                                                 "D\xC3\xA9"
                                                 "confiner\n"},
                                           Twins{"graveCircumflexDiaeresis",
                                                 "e\xCC\x80re\n"
                                                 "co\xCC\x82te\n"
                                                 "hai\xCC\x88ku\n",
                                                 "\xC3\xA8re\n"
                                                 "c\xC3\xB4te\n"
                                                 "ha\xC3\xAFku\n"},
                                           Twins{"cedillaCapital",
                                                 "C\xCC\xA7"
                                                 "A\n",
                                                 "\xC3\x87"
                                                 "A\n"},
                                           Twins{"yDiaeresis",
                                                 "Y\xCC\x88"
                                                 "\n",
                                                 "\xC5\xB8\n"},
                                           Twins{"ligatureOfAPdf",
                                                 "\xEF\xAC\x81"
                                                 "lou\n",
                                                 "filou\n"},
                                           Twins{"utf16",
                                                 "\xFF\xFE"
                                                 "e\0\x01\x03"
                                                 "t\0e\0\x01\x03"s,
                                                 "\xFF\xFE\xE9\0t\0\xE9\0"s}),
                         [](const ::testing::TestParamInfo<Twins>& info) {
                             return std::string(info.param.name);
                         });

// What the player reads of a refused line: every character visible, never a raw control one.
struct Refusal {
    const char* name;
    std::string line;
    std::string text;    // as quoted
    std::string reason;  // a piece of it
};

class RefusedCharacter : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedCharacter, IsNamedVisibly)
{
    OwnWordList list;
    list.parse("zen\n" + GetParam().line + "\n");
    ASSERT_EQ(list.refused().size(), 1u);
    EXPECT_EQ(list.refused()[0].text, GetParam().text);
    EXPECT_NE(list.refused()[0].reason.find(GetParam().reason), std::string::npos)
        << list.refused()[0].reason;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedCharacter,
    ::testing::Values(Refusal{"zeroWidthSpace",
                              "z\xE2\x80\x8B"
                              "en",
                              "z<U+200B>en", "invisible U+200B"},
                      Refusal{"loneAccent", "x\xCC\x81", "x<U+0301>", "U+0301"},
                      Refusal{"greekLetter", "\xCF\x80i", "\xCF\x80i", "« \xCF\x80 » (U+03C0)"},
                      Refusal{"escapeSequence", "\x1B[2J\x1B]0;titre\x07",
                              "<U+001B>[2J<U+001B>]0;titre<U+0007>", "contrôle (U+001B)"},
                      Refusal{"nul", "ab\0cd"s, "ab<U+0000>cd", "U+0000"},
                      Refusal{"longerThanAnyWord", std::string(31, 'a'), std::string(31, 'a'),
                              "plus de 30 lettres"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

bool hasControl(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

TEST(QuotedLines, ReachNeitherTheTerminalNorTheReportRaw)
{
    OwnWordList list;
    list.parse("zen\n\x1B[2Jeffac\xC3\xA9\nab\0cd\n"s);
    listmaking::OwnWordsSummary summary;
    summary.playerFile = "mots.txt";
    summary.refused = list.refused();
    summary.refusedCount = list.refusedCount();
    ASSERT_EQ(summary.refusedCount, 2u);
    for (const auto& line : listmaking::ImportMessages("listgen").reading(summary, ""))
        EXPECT_FALSE(hasControl(line.text)) << line.text;
    for (const auto& line : listmaking::ImportReport::lines(summary))
        EXPECT_FALSE(hasControl(line)) << line;
}

// A path as the player's system may name it, and as every front end shows it.
struct Path {
    const char* name;
    std::string raw;
    std::string shown;
};

std::ostream& operator<<(std::ostream& out, const Path& path)
{
    return out << path.name;
}

class ShownPath : public ::testing::TestWithParam<Path> {};

std::string contents(std::FILE* file)
{
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

TEST_P(ShownPath, NamesEachControlCharacterByItsCodePointWhereverAnImportSaysIt)
{
    const auto& [name, raw, shown] = GetParam();
    EXPECT_EQ(listmaking::ShownText::of(raw), shown);
    const files::ShownSeparator slashes('/');  // the control characters, not the separators
    const listmaking::ImportMessages messages("vorlane");
    listmaking::OwnWordsSummary summary;
    summary.playerFile = raw + "/mots.txt";
    auto lines = messages.reading(summary, "");
    for (const auto& more :
         {messages.notes({"rien dans " + raw}), messages.failure(raw + " : illisible", false)})
        lines.insert(lines.end(), more.begin(), more.end());
    std::FILE* out = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    listmaking::ImportMessages::print(lines, out, errors);
    const std::string printed = contents(out) + contents(errors);
    EXPECT_EQ(printed, listmaking::ImportMessages::text(lines));
    for (const std::string& piece :
         {"vorlane : " + shown + "/mots.txt lu en ", "vorlane : rien dans " + shown + "\n",
          "vorlane : " + shown + " : illisible\n"})
        EXPECT_NE(printed.find(piece), std::string::npos) << piece << "\n" << printed;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ShownPath,
    ::testing::Values(Path{"escapeSequences", "/tmp/\x1B[2J\x1B]0;titre\x07",
                           "/tmp/<U+001B>[2J<U+001B>]0;titre<U+0007>"},
                      Path{"c1Introducer",
                           "/tmp/a\xC2\x9B"
                           "31m",
                           "/tmp/a<U+009B>31m"},
                      Path{"deleteAndNul",
                           "/tmp/a\x7F"
                           "b\0c"s,
                           "/tmp/a<U+007F>b<U+0000>c"},
                      Path{"lineEnds", "/tmp/a\nb\rc", "/tmp/a<U+000A>b<U+000D>c"},
                      Path{"byteOfNoCharacter",
                           "/tmp/\x9B"
                           "31m",
                           "/tmp/\xEF\xBF\xBD"
                           "31m"},
                      Path{"accentsAndTabKept", "/home/h\xC3\xA9l\xC3\xA8ne/mes\tmots",
                           "/home/h\xC3\xA9l\xC3\xA8ne/mes\tmots"}),
    [](const ::testing::TestParamInfo<Path>& info) { return std::string(info.param.name); });

// The new forms that a word brings, typed with or without its accents.
struct Typed {
    const char* name;
    TypedWord word;
    std::set<std::string> forms;
};

class TypedAccents : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedAccents, BringTheWordsSpeltSo)
{
    static const HunspellFixture fixture(true);
    static const auto prepared = fixture.prepared();
    listmaking::OwnWordsOutcome outcome;
    const auto lexicon = listmaking::OwnWords::lexicon(prepared, {GetParam().word}, outcome);
    EXPECT_EQ(lexicon.newForms, GetParam().forms);
    EXPECT_TRUE(outcome.missing.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FixtureDictionary, TypedAccents,
    ::testing::Values(
        Typed{"nounWithItsAccent", {"COTE", "c\xC3\xB4te"}, {"COTE"}},
        Typed{"plainStandsForEveryWord", {"COTE", ""}, {"COTE", "COTER", "COTONS", "COTEES"}},
        Typed{"verbFormWithItsAccent",
              {"COTEES",
               "cot\xC3\xA9"
               "es"},
              {"COTER", "COTE", "COTONS", "COTEES"}},
        // no form is spelt so: read as if typed plain
        Typed{"wrongAccent", {"COTE", "cot\xC3\xA8"}, {"COTE", "COTER", "COTONS", "COTEES"}}),
    [](const ::testing::TestParamInfo<Typed>& info) { return std::string(info.param.name); });

TEST(TypedWords, AWordWithAndWithoutItsAccentsIsTwoWords)
{
    OwnWordList list;
    list.parse("p\xC3\xAA"
               "che\nPECHE\nP\xC3\x8A"
               "CHE\npeche\n");
    EXPECT_EQ(list.words(), std::set<std::string>{"PECHE"});
    EXPECT_EQ(list.typedWords().size(), 2u);
    EXPECT_EQ(list.repeats(), 2u);
}

}  // namespace
