#include <workshop/ops/DerivedNames.h>

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::string source;
    std::string suffix;
    std::optional<std::string> expected;
};

class DerivedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(DerivedName, StaysBesideTheSource)
{
    EXPECT_EQ(workshop::derivedName(GetParam().source, GetParam().suffix), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DerivedName,
    ::testing::Values(
        NameCase{"C:\\listes\\mots.txt", "_a.txt", "C:\\listes\\mots_a.txt"},
        NameCase{"C:\\listes\\mots.txt", "val0.txt", "C:\\listes\\motsval0.txt"},
        NameCase{"/home/jo/mots_a.txt", "_a.txt", "/home/jo/mots_a_a.txt"},
        NameCase{"mots.lst", "_b.txt", "mots_b.txt"},                  // any extension
        NameCase{"liste.\xC3\xA9t\xC3\xA9", "_a.txt", "liste_a.txt"},  // .été
        NameCase{"/run/d2/.txt", "_a.txt", "/run/d2/_a.txt"},
        // Without a dot and three characters, the whole name is kept.
        NameCase{"/run/d2/ab", "_a.txt", "/run/d2/ab_a.txt"},
        NameCase{"/run/d2/ab", "val0.txt", "/run/d2/abval0.txt"},
        NameCase{"abcd", "_a.txt", "abcd_a.txt"}, NameCase{"abc", "_a.txt", "abc_a.txt"},
        NameCase{"a.t", "_a.txt", "a.t_a.txt"}, NameCase{"mots.text", "_a.txt", "mots.text_a.txt"},
        NameCase{"d.tx/abc", "_a.txt", "d.tx/abc_a.txt"},  // a dot in the folder
        NameCase{"d.t/ab", "_a.txt", "d.t/ab_a.txt"}, NameCase{"x/.ab", "_a.txt", "x/.ab_a.txt"},
        NameCase{"\xC3\xA9\xC3\xA9\xC3\xA9", "_a.txt", "\xC3\xA9\xC3\xA9\xC3\xA9_a.txt"},
        NameCase{"", "_a.txt", std::nullopt}));

}  // namespace
