// The original lists kept before an import and brought back, never deleting anything.
#include <listmaking/tests/HunspellFixture.h>

#include <ownlists/ImportSession.h>
#include <ownlists/OriginalLists.h>
#include <testsupport/FolderSnapshot.h>

#include <files/Utf8Path.h>
#include <listfolder/FolderLock.h>
#include <listfolder/RunLock.h>
#include <listfolder/StagedFiles.h>

#include <testsupport/TestFiles.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <unistd.h>

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
        for (const auto& name : listmaking::OwnWordsImport::fileNames())
            place_.write("data/" + name, {"OLD;" + name});
        place_.write("data/README.md", {"lisez-moi"});
        originals_ = FolderSnapshot::of(data_);
        place_.write("share/vorlane/data/ods6new_7L.txt", {"SHIPPED;SHIPPED"});
    }

    ownlists::ImportSetup setup(bool workingFolder) const
    {
        return {data_, workingFolder, dictionary_.paths(), place_.file("share/vorlane/data")};
    }

    // The kept folder as the player sees it, without its mark of completeness.
    std::map<std::string, std::string> keptLists() const
    {
        auto lists = FolderSnapshot::of(kept());
        lists.erase(OriginalLists::completeMark);
        return lists;
    }

    // The next import keeps every original list, and going back brings them all.
    void expectTheNextImportKeepsEveryOriginal() const
    {
        ASSERT_TRUE(import(true));
        auto lists = originals_;
        lists.erase("README.md");
        EXPECT_EQ(keptLists(), lists);
        const auto aside = OriginalLists(setup(true)).goBack(noon_);
        ASSERT_TRUE(aside) << aside.why();
        EXPECT_EQ(FolderSnapshot::of(data_), originals_);
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
    const auto aside = OriginalLists(setup(false)).goBack(noon_);
    ASSERT_TRUE(aside) << aside.why();
    EXPECT_EQ(FolderSnapshot::of(*aside), originals_);
    const auto again = OriginalLists(setup(false)).goBack(noon_);
    EXPECT_FALSE(again);
    EXPECT_NE(again.why().find("pas de listes d'origine"), std::string::npos) << again.why();
    // a second folder put aside in the same second
    place_.write("data/ods6new_7L.txt", {"NEW;NEW"});
    const auto second = OriginalLists(setup(false)).goBack(noon_);
    ASSERT_TRUE(second) << second.why();
    EXPECT_EQ(*second, *aside + "-2");
    EXPECT_EQ(FolderSnapshot::of(*aside), originals_);
}

TEST_F(GoingBack, BringsBackTheWorkingFoldersListsFromBeforeTheFirstImport)
{
    EXPECT_EQ(OriginalLists(setup(true)).whatGoingBackDoes(noon_), "");  // no import yet
    ASSERT_TRUE(import(true));
    ASSERT_TRUE(import(true));  // a second import keeps the very first lists
    auto keptLists = originals_;
    keptLists.erase("README.md");
    EXPECT_EQ(this->keptLists(), keptLists);
    const auto players = FolderSnapshot::of(data_);
    EXPECT_NE(players, originals_);

    const auto aside = OriginalLists(setup(true)).goBack(noon_);
    ASSERT_TRUE(aside) << aside.why();
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    auto playersLists = players;
    playersLists.erase("README.md");  // not the player's: it stays
    EXPECT_EQ(FolderSnapshot::of(*aside), playersLists);
    EXPECT_FALSE(fs::exists(files::fromUtf8(kept())));
}

TEST_F(GoingBack, AFailedImportKeepsNothing)
{
    EXPECT_FALSE(import(true, "journal"));
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    EXPECT_FALSE(fs::exists(files::fromUtf8(kept())));
}

// Going back takes the folder's lock: during an import it is refused and nothing moves.
class GoingBackDuringAnImport : public GoingBack, public ::testing::WithParamInterface<bool> {};

TEST_P(GoingBackDuringAnImport, IsRefusedAndTheFolderStaysWhole)
{
    ASSERT_TRUE(import(GetParam()));
    const auto before = FolderSnapshot::of(data_);
    listfolder::RunLock running;
    const auto taken = running.take(place_.file("autre-travail"), data_);
    ASSERT_TRUE(taken) << taken.why();
    const auto refused = OriginalLists(setup(GetParam())).goBack(noon_);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.why().find("(fabrication de listes par ownlists_tests"), std::string::npos)
        << refused.why();
    running.release();
    EXPECT_EQ(FolderSnapshot::of(data_), before);
    for (const auto& entry : fs::directory_iterator(place_.path()))
        EXPECT_NE(files::toUtf8(entry.path().filename()).rfind(OriginalLists::asidePrefix, 0), 0u);
    const auto wentBack = OriginalLists(setup(GetParam())).goBack(noon_);
    EXPECT_TRUE(wentBack) << wentBack.why();
}

INSTANTIATE_TEST_SUITE_P(Folders, GoingBackDuringAnImport, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "workingFolder" : "playersFolder";
                         });

TEST_F(GoingBack, AnImportDuringAGoingBackIsRefused)
{
    listfolder::FolderLock goingBack;
    const auto taken = goingBack.take(data_, "retour aux listes d'origine");
    ASSERT_TRUE(taken) << taken.why();
    ownlists::ImportSession session(setup(true), true, "");
    ASSERT_TRUE(session.read(dictionary_.file("mes-mots.txt")));
    const auto planned = session.plan();
    EXPECT_FALSE(planned);
    EXPECT_NE(planned.why().find("(retour aux listes d'origine par ownlists_tests"),
              std::string::npos)
        << planned.why();
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    EXPECT_FALSE(fs::exists(files::fromUtf8(kept())));
}

// What a keep cut short, or a folder of that name that is no keep, leaves beside data/: never
// offered, and the next import keeps every original list.
struct LeftKeep {
    const char* name;
    const char* folder;
    std::size_t files;
    bool marked = false;  // marked complete for every list, as a going back cut short left it
};

class KeepCutShort : public GoingBack, public ::testing::WithParamInterface<LeftKeep> {};

TEST_P(KeepCutShort, IsNotOfferedAndTheNextImportKeepsEveryOriginal)
{
    const std::string left = place_.file(GetParam().folder);
    fs::create_directories(files::fromUtf8(left));
    const auto names = listmaking::OwnWordsImport::fileNames();
    for (std::size_t i = 0; i < GetParam().files; ++i)
        fs::create_hard_link(files::fromUtf8(data_ + "/" + names[i]),
                             files::fromUtf8(left + "/" + names[i]));
    if (GetParam().marked)
        testsupport::writeBytes(left + "/" + OriginalLists::completeMark,
                                std::to_string(names.size()) + "\n");
    EXPECT_EQ(OriginalLists(setup(true)).whatGoingBackDoes(noon_), "");
    EXPECT_NE(OriginalLists(setup(true)).whyNoGoingBack().find("aucune copie complète"),
              std::string::npos);
    expectTheNextImportKeepsEveryOriginal();
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, KeepCutShort,
    ::testing::Values(LeftKeep{"fiveOfAnOlderKeep", "data-d-origine", 5},
                      LeftKeep{"emptyFolder", "data-d-origine", 0},
                      LeftKeep{"fiveGathered", ".data-d-origine.en-cours", 5},
                      LeftKeep{"markedButFiveLeft", "data-d-origine", 5, true}),
    [](const ::testing::TestParamInfo<LeftKeep>& info) { return std::string(info.param.name); });

// An import killed while it keeps the original lists, at any of its steps: nothing is offered
// as kept, and the next import keeps every original list.
class KilledWhileKeeping : public GoingBack, public ::testing::WithParamInterface<std::string> {};

TEST_P(KilledWhileKeeping, LeavesTheOriginalsWhole)
{
#ifdef _WIN32
    GTEST_SKIP() << "no fork() on Windows: a switch cut short is tried there by listfolder_tests, "
                    "its child program ended by TerminateProcess";
#else
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ownlists::ImportSession session(setup(true), true, "");
        session.allowStep([](const std::string& step) {
            if (step == GetParam())
                std::_Exit(3);  // as a kill there would leave it
            return true;
        });
        (void)session.read(dictionary_.file("mes-mots.txt"));
        (void)session.run({});
        std::_Exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    EXPECT_EQ(OriginalLists(setup(true)).whatGoingBackDoes(noon_), "");
    expectTheNextImportKeepsEveryOriginal();
#endif
}

INSTANTIATE_TEST_SUITE_P(Steps, KilledWhileKeeping,
                         ::testing::Values("garde ods6new_2-4L.txt", "garde ods6new_7L.txt",
                                           "garde complète"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return std::to_string(info.index);
                         });

// A full disk while keeping: nothing kept, nothing replaced.
TEST_F(GoingBack, AFullDiskWhileKeepingChangesNothing)
{
    EXPECT_FALSE(import(true, "garde ods6new_7L.txt"));
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
    EXPECT_FALSE(fs::exists(files::fromUtf8(kept())));
    EXPECT_FALSE(fs::exists(files::fromUtf8(place_.file(".data-d-origine.en-cours"))));
}

// In the player's folder, going back with no list installed with the program would leave
// nothing to drill: it is refused before anything moves.
TEST_F(GoingBack, WithNoInstalledListsIsRefusedFirst)
{
    auto bare = setup(false);
    bare.shippedDir = place_.file("nulle-part");
    EXPECT_EQ(OriginalLists(bare).whatGoingBackDoes(noon_), "");
    const auto refused = OriginalLists(bare).goBack(noon_);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.why().find("aucune liste n'est livrée avec vorlane dans " + bare.shippedDir),
              std::string::npos)
        << refused.why();
    EXPECT_EQ(FolderSnapshot::of(data_), originals_);
}

// Keeping and going back where the folders' names hold accents, or a letter that no 8-bit code
// page holds (Windows reads a narrow path in its code page).
class InAFolderNamed : public ::testing::TestWithParam<const char*> {
protected:
    std::string home() const { return place_.file(GetParam()); }

    void fill(const std::string& folder, const std::string& line,
              const std::vector<std::string>& names) const
    {
        fs::create_directories(files::fromUtf8(folder));
        for (const auto& name : names)
            std::ofstream(files::fromUtf8(folder + "/" + name), std::ios::binary)
                << line << ";" << name << "\r\n";
    }

    testsupport::TempFolder place_;
    const std::time_t noon_ = 1796731200;
};

TEST_P(InAFolderNamed, TheOriginalsAreKeptAndBroughtBack)
{
    const std::string data = home() + "/data";
    auto lists = listmaking::OwnWordsImport::fileNames();
    lists.pop_back();  // the import's report is its own
    fill(data, "OLD", lists);
    const auto originals = FolderSnapshot::of(data);
    const ownlists::ImportSetup setup(data, true, {}, home() + "/installées");
    OriginalLists keeping(setup);
    ASSERT_TRUE(keeping.keep(lists));
    listfolder::StagedFiles import(data, home() + "/travail");
    ASSERT_TRUE(import.open());
    for (const auto& name : listmaking::OwnWordsImport::fileNames())
        ASSERT_TRUE(import.write(name, {"MINE;" + name}));
    ASSERT_TRUE(import.commit());
    const auto players = FolderSnapshot::of(data);
    EXPECT_NE(OriginalLists(setup).whatGoingBackDoes(noon_), "");

    const auto aside = OriginalLists(setup).goBack(noon_);
    ASSERT_TRUE(aside) << aside.why();
    EXPECT_EQ(FolderSnapshot::of(data), originals);
    EXPECT_EQ(FolderSnapshot::of(*aside), players);
    EXPECT_FALSE(fs::exists(files::fromUtf8(OriginalLists(setup).keptFolder())));
}

TEST_P(InAFolderNamed, ThePlayersFolderIsPutAsideWhole)
{
    const std::string data = home() + "/vorlane/data";
    fill(data, "MINE", listmaking::OwnWordsImport::fileNames());
    fill(home() + "/installées", "SHIPPED", {"ods6new_7L.txt"});
    const auto players = FolderSnapshot::of(data);
    const ownlists::ImportSetup setup(data, false, {}, home() + "/installées");
    ASSERT_NE(OriginalLists(setup).whatGoingBackDoes(noon_), "");
    const auto aside = OriginalLists(setup).goBack(noon_);
    ASSERT_TRUE(aside) << aside.why();
    EXPECT_EQ(FolderSnapshot::of(*aside), players);
    EXPECT_FALSE(fs::exists(files::fromUtf8(data)));
}

INSTANTIATE_TEST_SUITE_P(Names, InAFolderNamed, ::testing::Values("à Désirée", "Hélène", "Łukasz"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::to_string(info.index);
                         });

}  // namespace
