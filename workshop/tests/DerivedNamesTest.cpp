#include "DerivedNames.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    std::string source;
    std::string suffix;
    std::optional<std::string> expected;
};

class DerivedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(DerivedName, ReplacesTheLastFourCharactersBySuffix)
{
    EXPECT_EQ(workshop::derivedName(GetParam().source, GetParam().suffix), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DerivedName,
    ::testing::Values(NameCase{"C:\\listes\\mots.txt", "_a.txt", "C:\\listes\\mots_a.txt"},
                      NameCase{"C:\\listes\\mots.txt", "val0.txt", "C:\\listes\\motsval0.txt"},
                      NameCase{"/home/jo/mots_a.txt", "_a.txt", "/home/jo/mots_a_a.txt"},
                      NameCase{"mots.lst", "_b.txt", "mots_b.txt"},  // any four characters
                      NameCase{"abcd", "_a.txt", "_a.txt"},
                      NameCase{"liste.\xC3\xA9t\xC3\xA9", "_a.txt", "liste_a.txt"},  // .été
                      NameCase{"abc", "_a.txt", std::nullopt}, NameCase{"", "_a.txt", std::nullopt},
                      NameCase{"\xC3\xA9\xC3\xA9\xC3\xA9", "_a.txt", std::nullopt}));

}  // namespace
