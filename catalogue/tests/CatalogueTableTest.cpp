#include <catalogue/Catalogue.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using catalogue::Catalogue;
using catalogue::ListRow;

namespace {

TEST(CatalogueTable, EveryRowNamesATitleAndAFileOfItsOwn)
{
    std::set<std::string> files;
    std::set<std::pair<int, std::string>> titles;
    for (const ListRow& row : Catalogue::rows()) {
        EXPECT_TRUE(row.box == 0 || row.box == 1) << row.title;
        EXPECT_FALSE(row.title.empty()) << row.fileName;
        EXPECT_EQ(row.fileName.find('/'), std::string::npos) << row.fileName;
        ASSERT_GT(row.fileName.size(), 4u) << row.title;
        EXPECT_EQ(row.fileName.substr(row.fileName.size() - 4), ".txt") << row.fileName;
        // a title met twice in one box would hide the second list
        EXPECT_TRUE(titles.insert({row.box, row.title}).second) << row.title;
        EXPECT_TRUE(files.insert(row.fileName).second) << row.fileName;
    }
}

TEST(CatalogueTable, FirstBoxRowsComeBeforeSecondBoxRows)
{
    bool inSecond = false;
    for (const ListRow& row : Catalogue::rows()) {
        EXPECT_FALSE(inSecond && row.box == 0) << row.title;
        inSecond = inSecond || row.box == 1;
    }
}

TEST(CatalogueTable, BoxCountsAddUpToTheRows)
{
    EXPECT_GT(Catalogue::countInBox(0), 0u);
    EXPECT_GT(Catalogue::countInBox(1), 0u);
    EXPECT_EQ(Catalogue::countInBox(0) + Catalogue::countInBox(1), Catalogue::rows().size());
    EXPECT_EQ(Catalogue::countInBox(2), 0u);
    EXPECT_EQ(Catalogue::countInBox(-1), 0u);
}

}  // namespace
