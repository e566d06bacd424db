#include <catalogue/Catalogue.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

using catalogue::Catalogue;

namespace {

// The file that `title` names in box `box`; empty when no row has it.
std::string pathOf(const std::string& title, int box)
{
    const catalogue::ListRow* row = Catalogue::find(title, box);
    return row ? row->path() : std::string();
}

}  // namespace

// The titles that the design puts in each box, in their order.
const std::vector<std::string> designedFirstBox = {
    "2 à 4 lettres",
    "5 lettres",
    "6 lettres",
    "7 lettres",
    "8 lettres",
    "9 lettres",
    "2-6L Lettre chère",
    "7-8L Lettre chère",
    "Verbes transitifs <11L",
    "Verbes intransitifs <11L",
    "Mots invariables <11L",
    "Rallonge av. 1L <10L",
    "Rallonge arr. 1L <10L",
    "Nouvelles graphies 2-9L",
    "4 lettres (anag multiples)",
    "5 lettres (anag multiples)",
    "6 lettres (anag multiples)",
    "7 lettres (anag multiples)",
    "8 lettres (anag multiples)",
    "9 lettres (anag multiples)",
    "2 à 9 lettres",
};
const std::vector<std::string> designedSecondBox = {
    "4 lettres (solution unique)", "5 lettres (solution unique)", "6 lettres (solution unique)",
    "7 lettres (solution unique)", "8 lettres (solution unique)", "9 lettres (solution unique)",
    "4 lettres (anag multiples)",  "5 lettres (anag multiples)",  "6 lettres (anag multiples)",
    "7 lettres (anag multiples)",  "8 lettres (anag multiples)",  "9 lettres (anag multiples)",
    "2 à 9 lettres (tout)",
};

TEST(CatalogueTest, BoxesHoldTheirTitlesInLauncherOrder)
{
    const auto first = Catalogue::titles(0);
    const auto second = Catalogue::titles(1);
    ASSERT_EQ(first.size(), designedFirstBox.size());
    ASSERT_EQ(second.size(), designedSecondBox.size());
    EXPECT_EQ(first, designedFirstBox);
    EXPECT_EQ(second, designedSecondBox);
    EXPECT_EQ(first.front(), "2 à 4 lettres");
    EXPECT_EQ(first.back(), "2 à 9 lettres");
    EXPECT_EQ(second.front(), "4 lettres (solution unique)");
    EXPECT_EQ(second.back(), "2 à 9 lettres (tout)");
    EXPECT_TRUE(Catalogue::titles(2).empty());
}

TEST(CatalogueTest, EveryFileLiesUnderDataAndIsNamedOnce)
{
    std::set<std::string> files;
    for (const auto& row : Catalogue::rows()) {
        EXPECT_EQ(row.path().rfind("data/", 0), 0u) << row.path();
        EXPECT_EQ(row.path().substr(row.path().size() - 4), ".txt") << row.path();
        files.insert(row.path());
    }
    EXPECT_EQ(files.size(), Catalogue::rows().size());
}

class CatalogueLookup : public testing::TestWithParam<std::tuple<const char*, int, const char*>> {};

TEST_P(CatalogueLookup, TitleIsLookedUpInItsOwnBox)
{
    const auto& [title, box, file] = GetParam();
    EXPECT_EQ(pathOf(title, box), file);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueLookup,
    testing::Values(std::make_tuple("5 lettres (anag multiples)", 0, "data/entrees_5L_anags.txt"),
                    std::make_tuple("5 lettres (anag multiples)", 1, "data/tout_5L_anags.txt"),
                    std::make_tuple("7 lettres", 0, "data/ods6new_7L.txt"),
                    std::make_tuple("2 à 4 lettres", 0, "data/ods6new_2-4L.txt"),
                    std::make_tuple("2-6L Lettre chère", 0, "data/ods6new_2-6L_LC.txt"),
                    std::make_tuple("Rallonge arr. 1L <10L", 0, "data/ods6new_rallonges_ar.txt"),
                    std::make_tuple("9 lettres (solution unique)", 1, "data/ods6new_9L_all.txt"),
                    std::make_tuple("2 à 9 lettres (tout)", 1, "data/ods6new_2-9L_all.txt"),
                    // a title is not found in the other box, nor with another case or spacing
                    std::make_tuple("7 lettres", 1, ""),
                    std::make_tuple("4 lettres (solution unique)", 0, ""),
                    std::make_tuple("7 Lettres", 0, ""), std::make_tuple("7 lettres ", 0, ""),
                    std::make_tuple("Sélectionnez votre liste", 0, ""),
                    std::make_tuple("", 0, "")));

class GridFontSize : public testing::TestWithParam<std::tuple<const char*, int, int>> {};

TEST_P(GridFontSize, FollowsTheList)
{
    const auto& [title, box, size] = GetParam();
    const catalogue::ListRow* row = Catalogue::find(title, box);
    ASSERT_NE(row, nullptr) << title;
    EXPECT_EQ(row->gridPoints(), size);
}

INSTANTIATE_TEST_SUITE_P(Titles, GridFontSize,
                         testing::Values(std::make_tuple("9 lettres", 0, 10),
                                         std::make_tuple("9 lettres (solution unique)", 1, 10),
                                         std::make_tuple("9 lettres (anag multiples)", 0, 10),
                                         std::make_tuple("9 lettres (anag multiples)", 1, 10),
                                         std::make_tuple("Verbes transitifs <11L", 0, 10),
                                         std::make_tuple("Verbes intransitifs <11L", 0, 10),
                                         std::make_tuple("Mots invariables <11L", 0, 10),
                                         std::make_tuple("2 à 9 lettres", 0, 11),
                                         std::make_tuple("2 à 9 lettres (tout)", 1, 11),
                                         std::make_tuple("8 lettres", 0, 11),
                                         std::make_tuple("Rallonge av. 1L <10L", 0, 11)));

// Exactly the titles of the designed 10-point lists get 10 points.
TEST(CatalogueTest, TenPointsForTheDesignedTitlesOnly)
{
    const std::set<std::string> tenPoints = {"9 lettres",
                                             "Verbes transitifs <11L",
                                             "Verbes intransitifs <11L",
                                             "Mots invariables <11L",
                                             "9 lettres (anag multiples)",
                                             "9 lettres (solution unique)"};
    for (const auto& row : Catalogue::rows())
        EXPECT_EQ(row.gridPoints(), tenPoints.count(row.title) ? 10 : 11) << row.title;
}

TEST(CatalogueTest, OnlyRallongeTitlesAreExtensionLists)
{
    for (const auto& row : Catalogue::rows())
        EXPECT_EQ(row.isExtensionList(), row.title.rfind("Rallonge", 0) == 0) << row.title;
    EXPECT_TRUE(Catalogue::find("Rallonge av. 1L <10L", 0)->isExtensionList());
    EXPECT_TRUE(Catalogue::find("Rallonge arr. 1L <10L", 0)->isExtensionList());
    EXPECT_EQ(Catalogue::find("rallonge av. 1L <10L", 0), nullptr);
    EXPECT_EQ(Catalogue::find("Rallong", 0), nullptr);
}
