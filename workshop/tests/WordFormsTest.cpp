#include <workshop/ops/WordForms.h>

#include <workshop/ops/LineParts.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using listrun::Lines;

struct LineCase {
    const char* line;
    const char* expected;
};

class ShortenVerb : public ::testing::TestWithParam<LineCase> {};

TEST_P(ShortenVerb, DropsTheRAfterEOrI)
{
    EXPECT_EQ(workshop::shortenVerb(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, ShortenVerb,
                         ::testing::Values(LineCase{"SERVIR", "SERVI"}, LineCase{"AIMER", "AIME"},
                                           LineCase{"AIMEE", "AIMEE"}, LineCase{"Aimer", "Aimer"},
                                           LineCase{"R", "R"}, LineCase{"ER", "E"},
                                           LineCase{"", ""}, LineCase{"FINIR", "FINI"},
                                           LineCase{"MANGEr", "MANGEr"},
                                           LineCase{"ABER;MANGER", "ABER;MANGE"},
                                           LineCase{"OR", "OR"}));

TEST(ShortenVerbs, WritesOneLinePerSourceLine)
{
    EXPECT_EQ(listrun::run(workshop::shortenVerbs, {"MANGER", "", "R", "FINIR"}),
              (Lines{"MANGE", "", "R", "FINI"}));
    EXPECT_TRUE(listrun::run(workshop::shortenVerbs, {}).empty());
}

class SwapColumns : public ::testing::TestWithParam<LineCase> {};

TEST_P(SwapColumns, PutsTheRightHalfFirst)
{
    EXPECT_EQ(workshop::swapColumns(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SwapColumns,
    ::testing::Values(LineCase{"ABC;XYZ", "XYZ;ABC"}, LineCase{"ABCDXYZ", "XYZ;ABC"},
                      LineCase{"AB;XYZ", "XY;AB"}, LineCase{"", ";"}, LineCase{"A", ";"},
                      LineCase{"AB", ";"}, LineCase{"ABCD", "D;AB"},
                      LineCase{"AEGMNR;MANGER", "MANGER;AEGMNR"}, LineCase{"A;B;C", ";C;A;"}));

TEST(SwapColumns, TwiceGivesAnOddLineBack)
{
    std::mt19937 random(13);
    for (int i = 0; i < 200; ++i) {
        const std::string left = listrun::randomLine(random, "ABZ;", 0, 8);
        const int k = static_cast<int>(left.size());
        const std::string line = left + ";" + listrun::randomLine(random, "ABZ;", k, k);
        EXPECT_EQ(workshop::swapColumns(workshop::swapColumns(line)), line);
    }
}

TEST(SwapAllColumns, WritesOneLinePerSourceLine)
{
    EXPECT_EQ(listrun::run(workshop::swapAllColumns, {"ABC;XYZ", "", "AB;XYZ"}),
              (Lines{"XYZ;ABC", ";", "XY;AB"}));
}

// The plural removal as first described: every reference line is read again for every source
// line. Lines under five characters are copied, as the operation does.
Lines literalRemovePlurals(const Lines& source, const Lines& reference)
{
    using workshop::leftPart;
    using workshop::nearestWhole;
    using workshop::partFrom;
    Lines out;
    for (const std::string& line : source) {
        if (line.size() < 5) {
            out.push_back(line);
            continue;
        }
        const double h = (static_cast<double>(line.size()) - 3.0) / 4.0;
        const std::string_view w = partFrom(line, nearestWhole(h + 2), nearestWhole(h));
        bool found = false;
        for (const std::string& m : reference) {
            const std::string_view k = partFrom(m, nearestWhole(h + 1), nearestWhole(h - 1));
            if (k == leftPart(w, nearestWhole(h - 1)) && !w.empty() && w.back() == 'S')
                found = true;
        }
        if (!found)
            out.push_back(line);
    }
    return out;
}

struct PluralCase {
    const char* name;
    Lines source;
    Lines reference;
    Lines expected;
};

class RemovePlurals : public ::testing::TestWithParam<PluralCase> {};

TEST_P(RemovePlurals, DropsPluralsOfListedWords)
{
    const PluralCase& c = GetParam();
    EXPECT_EQ(listrun::runWithReference(workshop::removePlurals, c.source, c.reference),
              c.expected);
    EXPECT_EQ(literalRemovePlurals(c.source, c.reference), c.expected);
}

const std::string chats = "ACHST;CHATS;ACHST;CHATS";

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovePlurals,
    ::testing::Values(
        PluralCase{"SingularListed", {chats}, {"ACHT;CHAT"}, {}},
        PluralCase{"SingularInFirstField", {chats}, {"CHAT;ACHT"}, {chats}},
        PluralCase{"EmptyReference", {chats, "ABC"}, {}, {chats, "ABC"}},
        PluralCase{"MatchAmongOthers", {chats}, {"ZZZZ;ZZZZ", "ACHT;CHAT", "ACHT;CHAT", "XY"}, {}},
        PluralCase{
            "NotInS", {"ACEHT;CHATE;ACEHT;CHATE"}, {"ACHT;CHAT"}, {"ACEHT;CHATE;ACEHT;CHATE"}},
        PluralCase{"CaseCounts", {chats}, {"ACHT;chat"}, {chats}},
        PluralCase{"OrderKept",
                   {"AIMS;MAIS;AIMS;MAIS", chats, "ACEHT;CHATE;ACEHT;CHATE", "ABC"},
                   {"ACHT;CHAT"},
                   {"AIMS;MAIS;AIMS;MAIS", "ACEHT;CHATE;ACEHT;CHATE", "ABC"}},
        PluralCase{"ShortLinesCopied",
                   {"", "S", "ABCS", "SSSS"},
                   {"", "S", "ACHT;CHAT"},
                   {"", "S", "ABCS", "SSSS"}},
        // Six characters: W is the single third character and the key is empty.
        PluralCase{"EmptyKeyMatchesAnyLine", {"ABSDEF", "ABCDEF"}, {"Q"}, {"ABCDEF"}}),
    [](const ::testing::TestParamInfo<PluralCase>& info) { return std::string(info.param.name); });

TEST(RemovePlurals, OpensTheReferenceOnceAtTheFirstLine)
{
    int opens = 0;
    listrun::runWithReference(workshop::removePlurals, {chats, chats, "AB"}, {"ACHT;CHAT"}, &opens);
    EXPECT_EQ(opens, 1);
    opens = 0;
    EXPECT_TRUE(
        listrun::runWithReference(workshop::removePlurals, {}, {"ACHT;CHAT"}, &opens).empty());
    EXPECT_EQ(opens, 0);
}

TEST(RemovePlurals, AReferenceThatCannotBeOpenedStopsAtTheFirstLine)
{
    const workshop::ReferenceOpener failing = listrun::failingReference();
    textfile::VectorLineSource empty({});
    textfile::VectorLineSink out;
    EXPECT_NO_THROW(workshop::removePlurals(empty, out, failing));
    textfile::VectorLineSource one({"ABC"});
    EXPECT_THROW(workshop::removePlurals(one, out, failing), std::runtime_error);
    EXPECT_TRUE(out.lines.empty());
}

// Four-field lines of several lengths around words in S, against two-field reference lines.
Lines randomPluralSource(std::mt19937& random, std::size_t count)
{
    Lines lines;
    std::bernoulli_distribution fourFields(0.6);
    std::bernoulli_distribution plural(0.7);
    for (std::size_t i = 0; i < count; ++i) {
        if (!fourFields(random)) {
            lines.push_back(listrun::randomLine(random, "ACS;", 0, 14));
            continue;
        }
        std::string word = listrun::randomLine(random, "ACS", 1, 4);
        word += plural(random) ? "S" : "A";
        const int k = static_cast<int>(word.size());
        const std::string draw = listrun::randomLine(random, "ACS", k, k);
        lines.push_back(draw + ";" + word + ";" + draw + ";" + word);
    }
    return lines;
}

Lines randomPluralReference(std::mt19937& random, std::size_t count)
{
    Lines lines;
    std::bernoulli_distribution twoFields(0.7);
    for (std::size_t i = 0; i < count; ++i) {
        if (!twoFields(random)) {
            lines.push_back(listrun::randomLine(random, "ACS;", 0, 10));
            continue;
        }
        const std::string word = listrun::randomLine(random, "ACS", 1, 4);
        const int k = static_cast<int>(word.size());
        lines.push_back(listrun::randomLine(random, "ACS", k, k) + ";" + word);
    }
    return lines;
}

TEST(RemovePlurals, AgreesWithTheLiteralAlgorithmOnRandomLists)
{
    std::mt19937 random(2026);
    std::size_t dropped = 0;
    for (int round = 0; round < 60; ++round) {
        const Lines source = randomPluralSource(random, 40);
        const Lines reference = randomPluralReference(random, round % 10 == 0 ? 0 : 30);
        const Lines expected = literalRemovePlurals(source, reference);
        ASSERT_EQ(listrun::runWithReference(workshop::removePlurals, source, reference), expected)
            << "round " << round;
        dropped += source.size() - expected.size();
    }
    EXPECT_GT(dropped, 100u);  // the random lists do exercise the removal
}

}  // namespace
