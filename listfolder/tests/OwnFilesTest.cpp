// The lists folder's own files, taken only as the programs write them: a switch journal that is
// no plain file, a journal naming a waiting folder that is not the folder's, a lock file with
// other names.
#include <listfolder/FolderLock.h>
#include <listfolder/FolderRepair.h>
#include <listfolder/StagedFiles.h>
#include <listfolder/SwitchJournal.h>
#include <listfolder/WaitingFolder.h>

#include <files/FileSystem.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <files/Utf8Path.h>

#include <testsupport/TestFiles.h>

#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;
using listfolder::SwitchJournal;

namespace {

std::string joined(const std::vector<std::string>& notes)
{
    std::string text;
    for (const auto& note : notes)
        text += note + "\n";
    return text;
}

std::string bytesOf(const std::string& path)
{
    return testsupport::readBytes(path);
}

// Puts at `path` something no program writes there (`other` is a file of the player's); why
// it cannot be made here, or empty.
using Maker = std::function<std::string(const std::string& path, const std::string& other)>;

std::string makeFolder(const std::string& path, const std::string&)
{
    fs::create_directory(files::fromUtf8(path));
    return {};
}

std::string makeSymbolicLink(const std::string& path, const std::string& other)
{
    std::error_code linked;
    fs::create_symlink(files::fromUtf8(other), files::fromUtf8(path), linked);
    return linked ? "no symbolic link here (it needs a privilege on Windows): " + linked.message()
                  : std::string();
}

std::string makePipe(const std::string& path, const std::string&)
{
#ifdef _WIN32
    (void)path;
    return "Windows has no named pipe among a folder's files";
#else
    return ::mkfifo(path.c_str(), 0600) == 0 ? std::string() : "no pipe can be made here";
#endif
}

std::string makeHardLink(const std::string& path, const std::string& other)
{
    std::error_code linked;
    fs::create_hard_link(files::fromUtf8(other), files::fromUtf8(path), linked);
    return linked ? "no hard link here: " + linked.message() : std::string();
}

struct Odd {
    const char* name;
    Maker make;
    fs::file_type type;
};

std::ostream& operator<<(std::ostream& out, const Odd& odd)
{
    return out << odd.name;
}

class OddJournal : public ::testing::TestWithParam<Odd> {};

// Set aside, said, and the next run goes on; a second one does not take the first one's name.
TEST_P(OddJournal, IsSetAsideAndSaidAndTheNextRunsGoOn)
{
    testsupport::TempFolder place;
    const std::string data = place.file("data");
    const std::string journal = data + "/" + SwitchJournal::fileName;
    place.write("data/ods6new_5L.txt", {"OLD;OLD"});
    place.write("journal-ailleurs", {"attente " + place.file("ailleurs")});
    for (const char* suffix : {"", "-2"}) {
        if (const std::string why = GetParam().make(journal, place.file("journal-ailleurs"));
            !why.empty())
            GTEST_SKIP() << why;
        const std::string said = joined(listfolder::FolderRepair::atStart(data));
        const std::string aside = journal + ".mis-de-cote" + std::string(suffix);
        EXPECT_NE(said.find(files::shownPath(journal) + " n'est pas un fichier ordinaire mais "),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find("il est mis de côté sous le nom " + files::shownPath(aside)),
                  std::string::npos)
            << said;
        EXPECT_EQ(fs::symlink_status(files::fromUtf8(aside)).type(), GetParam().type);
        EXPECT_FALSE(SwitchJournal(data).exists());
    }
    EXPECT_EQ(fs::symlink_status(files::fromUtf8(journal + ".mis-de-cote")).type(),
              GetParam().type);
    listfolder::StagedFiles staged(data, place.file("travail"));
    const auto opened = staged.open();
    ASSERT_TRUE(opened) << opened.why();
    ASSERT_TRUE(staged.write("ods6new_5L.txt", {"NEW;NEW"}));
    ASSERT_TRUE(staged.commit());
    EXPECT_EQ(bytesOf(data + "/ods6new_5L.txt"), "NEW;NEW\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OddJournal,
    ::testing::Values(Odd{"folder", makeFolder, fs::file_type::directory},
                      Odd{"symbolicLink", makeSymbolicLink, fs::file_type::symlink},
                      Odd{"pipe", makePipe, fs::file_type::fifo}),
    [](const ::testing::TestParamInfo<Odd>& info) { return std::string(info.param.name); });

// A journal whose switch left ods6new_5L.txt new, its old file kept in the folder `kept`
// gives, which the journal names as `named` (its own path when empty).
struct Kept {
    const char* name;
    std::function<std::string(const testsupport::TempFolder&, const std::string& realData)> kept;
    std::string named;
    bool taken;
};

std::ostream& operator<<(std::ostream& out, const Kept& kept)
{
    return out << kept.name;
}

class KeptElsewhere : public ::testing::TestWithParam<Kept> {};

TEST_P(KeptElsewhere, IsTakenOnlyFromTheFoldersOwnWaitingFolders)
{
    testsupport::TempFolder place;
    const std::string data = place.file("data");
    place.write("data/ods6new_5L.txt", {"NEW;NEW"});
    std::string realData;
    ASSERT_EQ(files::realPath(data, realData), 0);
    const std::string kept = GetParam().kept(place, realData);
    fs::create_directories(files::fromUtf8(kept));
    testsupport::writeBytes(kept + "/ods6new_5L.txt.ancien", "OLD;OLD\r\n");
    const SwitchJournal::Entry entry{"ods6new_5L.txt", true,
                                     SwitchJournal::Identity::of(data + "/ods6new_5L.txt"),
                                     SwitchJournal::Identity::of(kept + "/ods6new_5L.txt.ancien")};
    const std::string named = GetParam().named.empty() ? kept : GetParam().named;
    ASSERT_TRUE(SwitchJournal(data).write(named, {entry}));
    const auto keptBefore = testsupport::FolderSnapshot::of(kept);
    std::string said;
    {
        testsupport::CurrentFolder inData(
            files::fromUtf8(data));  // where "../ailleurs" is the folder beside
        said = joined(listfolder::FolderRepair::atStart(data));
    }
    EXPECT_FALSE(SwitchJournal(data).exists());
    if (GetParam().taken) {
        EXPECT_EQ(bytesOf(data + "/ods6new_5L.txt"), "OLD;OLD\r\n") << said;
        return;
    }
    EXPECT_EQ(bytesOf(data + "/ods6new_5L.txt"), "NEW;NEW\r\n");
    EXPECT_EQ(testsupport::FolderSnapshot::of(kept), keptBefore);
    EXPECT_NE(
        said.find(
            "nomme comme dossier d'attente " + files::shownPath(named)
            + ", qui n'est pas l'un des siens : il est abandonné et aucun fichier n'est touché"),
        std::string::npos)
        << said;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, KeptElsewhere,
    ::testing::Values(Kept{"elsewhere",
                           [](const testsupport::TempFolder& p, const std::string&) {
                               return p.file("ailleurs");
                           },
                           "", false},
                      Kept{"relative",
                           [](const testsupport::TempFolder& p, const std::string&) {
                               return p.file("ailleurs");
                           },
                           "../ailleurs", false},
                      Kept{"besideTheLists",
                           [](const testsupport::TempFolder&, const std::string& realData) {
                               return listfolder::WaitingFolder::beside(realData);
                           },
                           "", true},
                      Kept{"inAWorkFolder",
                           [](const testsupport::TempFolder& p, const std::string& realData) {
                               std::string work;
                               fs::create_directories(files::fromUtf8(p.file("travail")));
                               files::realPath(p.file("travail"), work);
                               return listfolder::WaitingFolder::inWorkFolder(work, realData);
                           },
                           "", true}),
    [](const ::testing::TestParamInfo<Kept>& info) { return std::string(info.param.name); });

struct LockName {
    const char* name;
    Maker make;
    bool refused;
};

std::ostream& operator<<(std::ostream& out, const LockName& lock)
{
    return out << lock.name;
}

class OddLockFile : public ::testing::TestWithParam<LockName> {};

// Never written through, and the folder stays one writer's.
TEST_P(OddLockFile, LeavesTheOtherFileAsItWas)
{
    testsupport::TempFolder place;
    const std::string data = place.file("data");
    fs::create_directories(files::fromUtf8(data));
    const std::string notes = place.write("mes-notes.txt", {"à garder"});
    const std::string lock = listfolder::FolderLock::placeOf(data);
    const std::string before = bytesOf(notes);
    if (const std::string why = GetParam().make(lock, notes); !why.empty())
        GTEST_SKIP() << why;
    listfolder::FolderLock first;
    const auto taken = first.take(data, "fabrication de listes");
    EXPECT_EQ(bytesOf(notes), before);
    EXPECT_EQ(taken.ok(), !GetParam().refused) << taken.why();
    if (GetParam().refused) {
        EXPECT_NE(taken.why().find(lock + " porte aussi d'autres noms"), std::string::npos)
            << taken.why();
        return;
    }
    listfolder::FolderLock second;
    EXPECT_FALSE(second.take(data, "réparation"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddLockFile,
                         ::testing::Values(LockName{"hardLink", makeHardLink, true},
                                           LockName{"symbolicLink", makeSymbolicLink, false},
                                           LockName{"pipe", makePipe, false}),
                         [](const ::testing::TestParamInfo<LockName>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
