// The original lists kept before an import and brought back, never deleting anything.
#include <tools/listgen/tests/HunspellFixture.h>

#include <ownlists/ImportSession.h>
#include <ownlists/OriginalLists.h>
#include <testsupport/FolderSnapshot.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using ownlists::OriginalLists;
using testsupport::FolderSnapshot;

namespace {

class GoingBack : public ::testing::Test {
protected:
    void SetUp() override
    {
        dictionary_.write("mes-mots.txt", "autrice\r\nzorglub\r\n");
        data_ = place_.file("data");
        for (const auto& name : listgen::OwnWordsImport::fileNames())
            place_.write("data/" + name, {"OLD;" + name});
        place_.write("data/README.md", {"lisez-moi"});
        originals_ = FolderSnapshot::of(data_);
    }

    ownlists::ImportSetup setup(bool workingFolder) const
    {
        return {data_, workingFolder, dictionary_.paths()};
    }

    bool import(bool workingFolder, const std::string& failingStep = {}) const
    {
        ownlists::ImportSession session(setup(workingFolder), true, "");
        session.allowStep([failingStep](const std::string& step) { return step != failingStep; });
        return session.read(dictionary_.file("mes-mots.txt")) && session.run({});
    }

    std::string kept() const { return place_.file(OriginalLists::keptFolderName); }

    HunspellFixture dictionary_{true};
    testsupport::TempFolder place_;
    std::string data_;
    std::map<std::string, std::string> originals_;
    const std::time_t noon_ = 1796731200;  // one instant, so that two going backs meet
};

// The window's test follows the whole way; here, what it cannot see.
TEST_F(GoingBack, PutsThePlayersFolderAsideUnderANameOfItsOwn)
{
    std::string aside;
    std::string error;
    ASSERT_TRUE(OriginalLists(setup(false)).goBack(noon_, aside, error)) << error;
    EXPECT_EQ(FolderSnapshot::of(aside), originals_);
    EXPECT_FALSE(OriginalLists(setup(false)).goBack(noon_, aside, error));
    EXPECT_NE(error.find("pas de listes d'origine"), std::string::npos) << error;
    // a second folder put aside in the same second
    place_.write("data/ods6new_7L.txt", {"NEW;NEW"});
    std::string second;
    ASSERT_TRUE(OriginalLists(setup(false)).goBack(noon_, second, error)) << error;
    EXPECT_EQ(second, aside + "-2");
    EXPECT_EQ(FolderSnapshot::of(aside), originals_);
}

TEST_F(GoingBack, BringsBackTheWorkingFoldersListsFromBeforeTheFirstImport)
{
    EXPECT_EQ(OriginalLists(setup(true)).whatGoingBackDoes(noon_), "");  // no import yet
    ASSERT_TRUE(import(true));
    ASSERT_TRUE(import(true));  // a second import keeps the very first lists
    auto keptLists = originals_;
    keptLists.erase("README.md");
    EXPECT_EQ(FolderSnapshot::of(kept()), keptLists);
    const auto players = FolderSnapshot::of(data_);
    EXPECT_NE(players, originals_);

    std::string aside;
    std::string error;
    ASSERT_TRUE(OriginalLists(setup(true)).goBack(noon_, aside, error)) << error;
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    auto playersLists = players;
    playersLists.erase("README.md");  // not the player's: it stays
    EXPECT_EQ(FolderSnapshot::of(aside), playersLists);
    EXPECT_FALSE(fs::exists(kept()));
}

TEST_F(GoingBack, AFailedImportKeepsNothing)
{
    EXPECT_FALSE(import(true, "journal"));
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    EXPECT_FALSE(fs::exists(kept()));
}

}  // namespace
