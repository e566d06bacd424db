#include <workshop/ops/Extensions.h>

#include <workshop/ops/LineParts.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

namespace {

using listrun::Lines;

struct LineCase {
    const char* line;
    const char* expected;
};

class BackExtension : public ::testing::TestWithParam<LineCase> {};

TEST_P(BackExtension, KeepsTheBaseWordAndTheLastLetter)
{
    EXPECT_EQ(workshop::backExtension(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BackExtension,
    ::testing::Values(LineCase{"CHAT;CHATS", "CHAT;S"}, LineCase{"CHAT;CHATE", "CHAT;E"},
                      LineCase{"AMI;AMIE", "AMI;E"}, LineCase{"ABC;XYZA", "ABC;XYZA"},
                      LineCase{"AB;ABCD", "AB;D"}, LineCase{"CHAT;CHOTS", "CHAT;CHOTS"},
                      LineCase{"ABLE;TABLE", "ABLE;TABLE"}, LineCase{"", ""}, LineCase{"A", ";A"},
                      LineCase{"AB", ";B"}));

class FrontExtension : public ::testing::TestWithParam<LineCase> {};

TEST_P(FrontExtension, KeepsTheBaseWordAndTheFirstLetter)
{
    EXPECT_EQ(workshop::frontExtension(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, FrontExtension,
                         ::testing::Values(LineCase{"ABLE;TABLE", "ABLE;T"},
                                           LineCase{"ABLE;SABLE", "ABLE;S"},
                                           LineCase{"CHAT;CHATS", "CHAT;CHATS"},
                                           LineCase{"ABLE;TABLO", "ABLE;TABLO"},
                                           LineCase{"AMI;AMIE", "AMI;AMIE"}, LineCase{"", ""},
                                           LineCase{"A", ";"}, LineCase{"AB", ";B"}));

TEST(Extensions, ListsGiveOneLinePerSourceLine)
{
    EXPECT_EQ(listrun::run(workshop::backExtensions, {"CHAT;CHATS"}), (Lines{"CHAT;S"}));
    EXPECT_EQ(listrun::run(workshop::frontExtensions, {"ABLE;TABLE"}), (Lines{"ABLE;T"}));
    EXPECT_EQ(listrun::run(workshop::backExtensions, {"CHAT;CHATS", "", "ABC;XYZA", "AMI;AMIE"}),
              (Lines{"CHAT;S", "", "ABC;XYZA", "AMI;E"}));
    EXPECT_EQ(listrun::run(workshop::frontExtensions, {"", "ABLE;SABLE", "CHAT;CHATS"}),
              (Lines{"", "ABLE;S", "CHAT;CHATS"}));
    EXPECT_TRUE(listrun::run(workshop::backExtensions, {}).empty());
    EXPECT_TRUE(listrun::run(workshop::frontExtensions, {}).empty());
}

struct AssemblyCase {
    const char* name;
    Lines source;
    Lines expected;
};

class AssembleExtensions : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(AssembleExtensions, MergesNeighboursOfOneBaseWord)
{
    EXPECT_EQ(listrun::run(workshop::assembleExtensions, GetParam().source), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssembleExtensions,
    ::testing::Values(
        AssemblyCase{"FourAbleThenZoo",
                     {"ABLE;CABLE", "ABLE;FABLE", "ABLE;SABLE", "ABLE;TABLE", "ZOO;AZOO"},
                     {"?ABLE;CFST", "ZOO;AZOO"}},
        AssemblyCase{"BackPairs", {"CHAT;CHATS", "CHAT;CHATE"}, {"?CHAT;CC"}},
        AssemblyCase{"EmptySource", {}, {}},
        AssemblyCase{"LongerBaseWordMakesNoGroup",
                     {"ABLE;TABLE", "ABLES;TABLES"},
                     {"ABLE;TABLE", "ABLES;TABLES"}},
        AssemblyCase{"RepeatsKept", {"ABLE;TABLE", "ABLE;TABLE"}, {"?ABLE;TT"}},
        AssemblyCase{"OnlyNeighboursJoin",
                     {"ABLE;CABLE", "ABLE;FABLE", "ZOO;AZOO", "ABLE;SABLE", "ABLE;TABLE"},
                     {"?ABLE;CF", "ZOO;AZOO", "?ABLE;ST"}},
        AssemblyCase{
            "GroupAtTheEnd", {"ABLE;TABLE", "ZOO;AZOO", "ZOO;BZOO"}, {"ABLE;TABLE", "?ZOO;AB"}},
        AssemblyCase{"SingleLine", {"ZOO;AZOO"}, {"ZOO;AZOO"}},
        AssemblyCase{"ShortLinesCopied", {"AB", "AB", "", "", "ABC"}, {"AB", "AB", "", "", "ABC"}},
        AssemblyCase{"ShortLinesNeverJoin",
                     {"ABCD", "AB", "ABLE;TABLE", "ABL", ""},
                     {"ABCD", "AB", "ABLE;TABLE", "ABL", ""}},
        AssemblyCase{"ShorterLineWithTheBaseJoins", {"ABLE;TABLE", "ABLE;"}, {"?ABLE;T"}}),
    [](const ::testing::TestParamInfo<AssemblyCase>& info) {
        return std::string(info.param.name);
    });

TEST(AssembleExtensions, HasNoLineLimit)
{
    Lines source;
    for (int word = 0; word < 4000; ++word) {
        const std::string base = "B" + std::to_string(10000 + word);  // 6 characters
        source.push_back(base + ";T" + base);
        source.push_back(base + ";S" + base);
    }
    const Lines out = listrun::run(workshop::assembleExtensions, source);
    ASSERT_EQ(out.size(), 4000u);
    EXPECT_EQ(out.front(), "?B10000;TS");
    EXPECT_EQ(out.back(), "?B13999;TS");
}

// The assembly as first described: the whole source in a table whose row after the last line is
// empty. `agreement` is how many leading characters neighbours must share beyond p (0 as first
// described, 1 as the operation does).
Lines literalAssemble(const Lines& source, long agreement)
{
    using workshop::leftPart;
    using workshop::nearestWhole;
    using workshop::partFrom;
    Lines rows = source;
    rows.emplace_back();
    const std::size_t n = source.size();
    Lines out;
    for (std::size_t i = 0; i < n; ++i) {
        const double h = (static_cast<double>(rows[i].size()) - 2.0) / 2.0;
        const long p = nearestWhole(h);
        const long at = nearestWhole(h + 2);
        const auto same = [&](std::size_t a) {
            return leftPart(rows[a], p + agreement) == leftPart(rows[a + 1], p + agreement);
        };
        if (!same(i)) {
            out.push_back(rows[i]);
            continue;
        }
        std::string letters(partFrom(rows[i], at, 1));
        letters += partFrom(rows[i + 1], at, 1);
        while (same(i)) {
            ++i;
            if (same(i))
                letters += partFrom(rows[i + 1], at, 1);
        }
        out.push_back("?" + std::string(leftPart(rows[i], p)) + ";" + letters);
    }
    return out;
}

// Pair lines of base words drawn from a few letters, so that neighbours often share them.
Lines randomPairs(std::mt19937& random, std::size_t count, int shortest, int longest)
{
    Lines lines;
    std::string base;
    std::bernoulli_distribution keep(0.5);
    for (std::size_t i = 0; i < count; ++i) {
        if (base.empty() || !keep(random))
            base = listrun::randomLine(random, "AB", shortest, longest);
        lines.push_back(base + ";" + listrun::randomLine(random, "XYZ", 1, 1) + base);
    }
    return lines;
}

TEST(AssembleExtensions, AgreesWithTheTableAlgorithmOnRandomLists)
{
    std::mt19937 random(77);
    std::size_t groups = 0;
    for (int round = 0; round < 200; ++round) {
        // One base length: agreeing on p characters is agreeing on p + 1, the ";" included.
        const int k = 1 + round % 5;
        const Lines sameLength = randomPairs(random, 30, k, k);
        ASSERT_EQ(listrun::run(workshop::assembleExtensions, sameLength),
                  literalAssemble(sameLength, 0));
        // Mixed lengths: the extra character keeps longer base words out of a group.
        const Lines mixed = randomPairs(random, 30, 1, 5);
        const Lines expected = literalAssemble(mixed, 1);
        ASSERT_EQ(listrun::run(workshop::assembleExtensions, mixed), expected) << "round " << round;
        groups += mixed.size() - expected.size();
    }
    EXPECT_GT(groups, 500u);
}

}  // namespace
