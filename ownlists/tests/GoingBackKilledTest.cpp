// A going back to the original lists killed at each of its steps: the next start leaves data/
// with every original list or every one of the player's, never a mix, and loses neither.
#include <listfolder/tests/SteppedChild.h>

#include <ownlists/OriginalLists.h>
#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <files/Utf8Path.h>
#include <listfolder/FolderRepair.h>
#include <listfolder/SwitchJournal.h>
#include <listmaking/ownwords/OwnWordsImport.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

using ownlists::OriginalLists;
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const std::string& folder)
{
    return testsupport::FolderSnapshot::of(folder);
}

// A working folder after an import: data/ holds the player's lists and the import's report,
// data-d-origine the 34 lists from before it, marked whole; in a folder no code page holds.
class KilledGoingBack : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto names = listmaking::OwnWordsImport::fileNames();
        for (const auto& name : names) {
            players_[name] = "MINE;" + name + "\r\n";
            if (name != names.back())  // the report is the import's own
                originals_[name] = "OLD;" + name + "\r\n";
        }
        players_["README.md"] = originals_["README.md"] = "lisez-moi\r\n";
        keptLists_ = originals_;
        keptLists_.erase("README.md");
    }

    void reset() const
    {
        std::filesystem::remove_all(files::fromUtf8(root_));
        fill(data_, players_);
        fill(kept_, keptLists_);
        std::ofstream(files::fromUtf8(kept_ + "/" + OriginalLists::completeMark), std::ios::binary)
            << keptLists_.size() << "\n";
    }

    static void fill(const std::string& folder, const Snapshot& files)
    {
        std::filesystem::create_directories(files::fromUtf8(folder));
        for (const auto& [name, bytes] : files)
            std::ofstream(files::fromUtf8(folder + "/" + name), std::ios::binary) << bytes;
    }

    ownlists::ImportSetup setup() const
    {
        lexicon::SourcePaths sources;
        sources.workDir = root_ + "/travail";
        return {data_, true, sources, root_ + "/installées"};
    }

    std::vector<std::string> goBackKilledAt(const SteppedChild::Pick& killHere) const
    {
#ifdef _WIN32
        return SteppedChild::run({GOING_BACK_CHILD, data_, root_ + "/travail",
                                  root_ + "/installées", std::to_string(noon_)},
                                 killHere);
#else
        return SteppedChild::run(
            [this](const SteppedChild::Allow& allow) {
                OriginalLists lists(setup());
                lists.allowStep = allow;
                return lists.goBack(noon_).ok();
            },
            killHere);
#endif
    }

    // Every folder the player's lists were put aside in.
    std::vector<Snapshot> asides() const
    {
        std::vector<Snapshot> found;
        for (const auto& entry : std::filesystem::directory_iterator(files::fromUtf8(root_))) {
            const std::string name = files::toUtf8(entry.path().filename());
            if (name.rfind(OriginalLists::asidePrefix, 0) == 0)
                found.push_back(snapshot(files::toUtf8(entry.path())));
        }
        return found;
    }

    testsupport::TempFolder place_;
    std::string root_ = place_.file("Łukasz à Désirée");
    std::string data_ = root_ + "/data";
    std::string kept_ = root_ + "/" + OriginalLists::keptFolderName;
    Snapshot players_;
    Snapshot originals_;
    Snapshot keptLists_;
    const std::time_t noon_ = 1796731200;
};

TEST_F(KilledGoingBack, AtEveryStepTheNextStartHasTheOriginalsOrThePlayersListsAndLosesNeither)
{
    reset();
    const auto all = goBackKilledAt([](std::size_t, const std::string&) { return false; });
    ASSERT_EQ(snapshot(data_), originals_);  // the whole run went back
    ASSERT_GT(all.size(), 100u);  // 35 put aside, 34 taken, 34 kept, the journal, 35 switched
    Snapshot playersLists = players_;
    playersLists.erase("README.md");
#ifdef _WIN32
    const std::size_t stride = 7;  // a program started at each step: every seventh under wine
#else
    const std::size_t stride = 1;
#endif
    std::size_t seenOriginals = 0;
    std::size_t seenPlayers = 0;
    for (std::size_t killAt = 0; killAt < all.size(); killAt += stride) {
        reset();
        const auto steps = goBackKilledAt(
            [killAt](std::size_t index, const std::string&) { return index == killAt; });
        ASSERT_EQ(steps.size(), killAt + 1);
        listfolder::FolderRepair::atStart(data_);
        const auto seen = snapshot(data_);
        const std::string where = "killed at " + steps.back();
        EXPECT_TRUE(seen == originals_ || seen == players_) << where;
        EXPECT_FALSE(listfolder::SwitchJournal(data_).exists()) << where;
        if (seen == originals_) {
            ++seenOriginals;
            // the player's lists are whole in the folder put aside
            ASSERT_EQ(asides().size(), 1u) << where;
            EXPECT_EQ(asides()[0], playersLists) << where;
            continue;
        }
        ++seenPlayers;
        // the originals are still kept whole, and going back again brings them (tried at a
        // few steps: a whole going back is the slow part of a round)
        auto kept = snapshot(kept_);
        kept.erase(OriginalLists::completeMark);
        EXPECT_EQ(kept, keptLists_) << where;
        if (seenPlayers % 16 != 1)
            continue;
        const auto again = OriginalLists(setup()).goBack(noon_ + 1);
        ASSERT_TRUE(again) << where << " : " << again.why();
        EXPECT_EQ(snapshot(data_), originals_) << where;
        EXPECT_EQ(snapshot(*again), playersLists) << where;
    }
    EXPECT_GT(seenOriginals, 0u);
    EXPECT_GT(seenPlayers, all.size() / stride / 2);  // most steps come before the switch
}

}  // namespace
