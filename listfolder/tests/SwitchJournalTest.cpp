// A switch of lists cut short, and what the next start makes of it: the journal lives with
// the lists folder, puts back only what the cut run left, and never older lists over newer.
#include <files/Utf8Path.h>
#include <listfolder/tests/CutSwitch.h>

#include <files/Process.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <listfolder/FolderLock.h>
#include <listfolder/FolderRepair.h>
#include <listfolder/StagedFiles.h>
#include <listfolder/SwitchJournal.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

namespace fs = std::filesystem;
using testsupport::FolderSnapshot;

namespace {

const std::vector<std::string> names = {"ods6new_2-4L.txt", "ods6new_5L.txt", "ods6new_6L.txt",
                                        "ods6new_7L.txt"};

// A lists folder with three of the four lists and a file of its own; the work folders of two
// front ends.
class CutFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        data_ = place_.file("data");
        for (std::size_t i = 0; i + 1 < names.size(); ++i)
            place_.write("data/" + names[i], {"OLD;" + names[i]});
        place_.write("data/README.md", {"lisez-moi"});
        before_ = FolderSnapshot::of(data_);
        after_ = before_;
        for (const auto& name : names)
            after_[name] = "NEW;" + name + "\r\n";
    }

    std::map<std::string, std::string> now() const { return FolderSnapshot::of(data_); }
    std::string joined(const std::vector<std::string>& notes) const
    {
        std::string text;
        for (const auto& note : notes)
            text += note + "\n";
        return text;
    }

    testsupport::TempFolder place_;
    std::string data_;
    std::string workA_ = place_.file("travail-make");
    std::string workB_ = place_.file("cache-vorlane");
    std::map<std::string, std::string> before_;
    std::map<std::string, std::string> after_;
};

// The next start, whichever it is: the launcher, or a run with either work folder.
std::vector<std::string> nextStart(int which, const std::string& data, const std::string& workA,
                                   const std::string& workB)
{
    if (which == 0)
        return listfolder::FolderRepair::atStart(data);
    listfolder::StagedFiles staged(data, which == 1 ? workA : workB);
    const auto opened = staged.open();
    EXPECT_TRUE(opened) << opened.why();
    return staged.notes();
}

TEST_F(CutFolder, AChildKilledAtRandomStepsNeverLeavesAMixTheNextStartKeeps)
{
    std::mt19937 random(26);  // fixed: a failing round comes back the same
    std::size_t cutWhileSwitched = 0;
    for (int round = 0; round < 60; ++round) {
        fs::remove_all(files::fromUtf8(data_));
        fs::create_directories(files::fromUtf8(data_));
        for (const auto& [name, bytes] : before_)
            std::ofstream(files::fromUtf8(data_ + "/" + name), std::ios::binary) << bytes;
        ASSERT_EQ(now(), before_);
        // 4 writes, 3 links, the journal, 4 renames: 12 steps, and a few runs left to end
        const std::size_t killAt = std::uniform_int_distribution<std::size_t>(0, 14)(random);
        const auto steps = CutSwitch::run(data_, workA_, names, killAt);
        ASSERT_EQ(steps.size(), std::min<std::size_t>(killAt + 1, 12)) << "round " << round;
        cutWhileSwitched += listfolder::SwitchJournal(data_).exists() ? 1 : 0;
        nextStart(round % 3, data_, workA_, workB_);
        const auto seen = now();
        EXPECT_TRUE(seen == before_ || seen == after_)
            << "round " << round << ", killed at " << (killAt < 12 ? steps.back() : "the end");
        EXPECT_EQ(seen == after_, killAt >= 12) << "round " << round;
        EXPECT_FALSE(listfolder::SwitchJournal(data_).exists());
    }
    EXPECT_GT(cutWhileSwitched, 10u);  // the rounds did cut switches, not only writes
}

TEST_F(CutFolder, ACompleteSwitchWithAnotherWorkFolderStaysAfterAStartWithTheFirst)
{
    CutSwitch::run(data_, workA_, names, "remplacement ods6new_6L.txt");
    ASSERT_NE(now(), before_);  // half switched
    {
        listfolder::StagedFiles other(data_, workB_);
        const auto opened = other.open();
        ASSERT_TRUE(opened) << opened.why();
        EXPECT_NE(joined(other.notes()).find("défaite"), std::string::npos);
        ASSERT_TRUE(other.write("ods6new_5L.txt", {"LATER;LATER"}));
        const auto committed = other.commit();
        ASSERT_TRUE(committed) << committed.why();
    }
    auto complete = before_;
    complete["ods6new_5L.txt"] = "LATER;LATER\r\n";
    ASSERT_EQ(now(), complete);
    listfolder::StagedFiles first(data_, workA_);
    const auto opened = first.open();
    ASSERT_TRUE(opened) << opened.why();
    EXPECT_EQ(now(), complete);
    EXPECT_TRUE(first.notes().empty()) << joined(first.notes());
}

// What a folder changed by hand since the cut looks like: the repair gives up and says so.
struct Change {
    const char* name;
    std::function<void(const std::string& data)> make;
};

class ChangedSince : public CutFolder, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangedSince, TheJournalIsGivenUpAndNothingIsPutBack)
{
    CutSwitch::run(data_, workA_, names, "remplacement ods6new_7L.txt");
    GetParam().make(data_);
    auto changed = now();
    changed.erase(listfolder::SwitchJournal::fileName);
    const std::string said = joined(listfolder::FolderRepair::atStart(data_));
    EXPECT_EQ(now(), changed);
    EXPECT_NE(said.find("ce journal est abandonné"), std::string::npos) << said;
    EXPECT_NE(said.find(data_), std::string::npos) << said;
    EXPECT_FALSE(listfolder::SwitchJournal(data_).exists());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedSince,
    ::testing::Values(
        Change{"newerList",
               [](const std::string& data) {
                   std::ofstream(files::fromUtf8(data + "/newer"), std::ios::binary)
                       << "NEWER;NEWER\r\n";
                   fs::rename(files::fromUtf8(data + "/newer"),
                              files::fromUtf8(data + "/ods6new_5L.txt"));
               }},
        Change{"listRemoved",
               [](const std::string& data) {
                   fs::remove(files::fromUtf8(data + "/ods6new_2-4L.txt"));
               }},
        Change{"notYetSwitchedReplaced",
               [](const std::string& data) {
                   fs::remove(files::fromUtf8(data + "/ods6new_6L.txt"));
                   std::ofstream(files::fromUtf8(data + "/ods6new_6L.txt"), std::ios::binary)
                       << "MINE;MINE\r\n";
               }}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

TEST_F(CutFolder, AStartThatCannotLockTheFolderSaysWhichListsAreNew)
{
    CutSwitch::run(data_, workA_, names, "remplacement ods6new_6L.txt");
    const auto half = now();
    listfolder::FolderLock other;
    const auto taken = other.take(data_, "fabrication de listes");
    ASSERT_TRUE(taken) << taken.why();
    const std::string said = joined(listfolder::FolderRepair::atStart(data_));
    EXPECT_EQ(now(), half);
    EXPECT_NE(said.find("à moitié remplacé"), std::string::npos) << said;
    EXPECT_NE(said.find("(nouvelles : ods6new_2-4L.txt, ods6new_5L.txt ;"), std::string::npos)
        << said;
    EXPECT_NE(said.find("fabrication de listes par"), std::string::npos) << said;
    other.release();
    EXPECT_NE(joined(listfolder::FolderRepair::atStart(data_)).find("défaite"), std::string::npos);
    EXPECT_EQ(now(), before_);
}

// One lock a lists folder, whatever the path that names it.
struct Naming {
    const char* name;
    std::function<std::string(const testsupport::TempFolder&)> path;
    bool throughALink = false;
};

class SecondHolder : public ::testing::TestWithParam<Naming> {};

TEST_P(SecondHolder, IsRefusedAndToldWhatRuns)
{
    testsupport::TempFolder place;
    fs::create_directories(files::fromUtf8(place.file("share/data")));
    std::error_code linked;
    fs::create_symlink(files::fromUtf8(place.file("share/data")),
                       files::fromUtf8(place.file("lien")), linked);
    if (linked && GetParam().throughALink)
        GTEST_SKIP() << "no symbolic link here (it needs a privilege on Windows): "
                     << linked.message();
    listfolder::FolderLock first;
    ASSERT_TRUE(first.take(place.file("share/data"), "retour aux listes d'origine"));
    listfolder::FolderLock second;
    const auto refused = second.take(GetParam().path(place), "fabrication de listes");
    EXPECT_FALSE(refused);
    const std::string& error = refused.why();
    EXPECT_NE(error.find("une autre opération est en cours"), std::string::npos) << error;
    EXPECT_NE(error.find("retour aux listes d'origine par listfolder_tests, processus "
                         + std::to_string(files::processId())),
              std::string::npos)
        << error;
    first.release();
    const auto taken = second.take(GetParam().path(place), "fabrication de listes");
    EXPECT_TRUE(taken) << taken.why();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SecondHolder,
    ::testing::Values(
        Naming{"same", [](const testsupport::TempFolder& p) { return p.file("share/data"); }},
        Naming{"trailingSlash",
               [](const testsupport::TempFolder& p) { return p.file("share/data/"); }},
        Naming{"throughALink", [](const testsupport::TempFolder& p) { return p.file("lien"); },
               true},
        Naming{"dotted",
               [](const testsupport::TempFolder& p) { return p.file("share/./../share/data"); }},
        Naming{"underALinkBeforeItIsMade",
               [](const testsupport::TempFolder& p) {
                   std::error_code made;  // asked twice: made once
                   fs::create_symlink(files::fromUtf8(p.file("share")),
                                      files::fromUtf8(p.file("partage")), made);
                   fs::remove(files::fromUtf8(p.file("share/data")), made);
                   return p.file("partage/data");
               },
               true}),
    [](const ::testing::TestParamInfo<Naming>& info) { return std::string(info.param.name); });

}  // namespace
