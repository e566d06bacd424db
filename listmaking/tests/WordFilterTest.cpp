#include <listmaking/dictionary/DicEntry.h>
#include <listmaking/dictionary/WordFilter.h>

#include <gtest/gtest.h>

using listmaking::DicEntry;
using listmaking::WordFilter;

namespace {

WordFilter filterOf(const std::vector<std::string>& stopList)
{
    WordFilter filter;
    filter.setAffixMarks("||", "--");
    std::string error;
    EXPECT_TRUE(filter.parseStopList(stopList, error)) << error;
    return filter;
}

struct Refusal {
    std::string line;
    std::string word;
    bool refused;
};

std::ostream& operator<<(std::ostream& out, const Refusal& r)
{
    return out << r.line;
}

class EntryRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(EntryRefusal, FollowsMarksThenStopList)
{
    const auto filter =
        filterOf({"# comment", "- English", "GOOD dark", "", "+ locution words", "catimini"});
    const auto entry = DicEntry::parse(GetParam().line);
    ASSERT_TRUE(entry);
    EXPECT_EQ(!filter.refusal(*entry, GetParam().word).empty(), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, EntryRefusal,
    ::testing::Values(Refusal{"kg/||-- po:nom is:mas is:inv", "KG", true},
                      Refusal{"mol/U.||-- po:nom is:mas is:inv", "MOL", true},
                      Refusal{"ibid/-- po:adv", "IBID", true},
                      Refusal{"presqu/-- po:mg po:adv po:err", "PRESQU", true},
                      Refusal{"jusqu po:mg po:err", "JUSQU", true},
                      Refusal{"fr/||-- po:sfx", "FR", true}, Refusal{"anti po:pfx", "ANTI", true},
                      Refusal{"Mme po:titr", "MME", true},
                      Refusal{"cappella po:loc.adv", "CAPPELLA", true},
                      Refusal{"catimini po:loc.adv", "CATIMINI", false},
                      Refusal{"good/L'D'Q' po:adj is:epi is:inv", "GOOD", true},
                      Refusal{"dark/L'D'Q' po:adj is:epi is:inv", "DARK", true},
                      Refusal{"ph po:nom", "PH", true}, Refusal{"pff po:interj", "PFF", false},
                      Refusal{"qi/L'D'Q' po:nom is:mas is:inv", "QI", false}));

TEST(WordFilter, FlagsAreReadInPairs)
{
    // "|" then "|-" : no KEEPCASE pair at an even place
    const auto entry = DicEntry::parse("ab/S.a|x- po:nom");
    ASSERT_TRUE(entry);
    EXPECT_FALSE(entry->hasFlag("||"));
    EXPECT_TRUE(entry->hasFlag("S."));
}

TEST(WordFilter, MalformedStopListNamesTheLine)
{
    WordFilter filter;
    std::string error;
    EXPECT_FALSE(filter.parseStopList({"# comment", "good"}, error));
    EXPECT_NE(error.find("ligne 2"), std::string::npos) << error;
    EXPECT_FALSE(filter.parseStopList({"- reason", "ex-voto"}, error));
    EXPECT_NE(error.find("ex-voto"), std::string::npos) << error;
}

}  // namespace
