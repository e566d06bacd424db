// The study record's file: its version, what a damaged file becomes, what is refused in its
// place, two programs at once, and a full or read-only disk.
#include <study/StudyFile.h>
#include <study/StudyRecord.h>

#include <files/FileSystem.h>
#include <files/Utf8Path.h>
#include <study/tests/RecordRows.h>
#include <study/tests/StudyTestClock.h>
#include <testsupport/SmallDisk.h>
#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const study::DeckDraw kAutrice{"ods6new_7L.txt", "ACEIRTU", "AUTRICE"};

// Makes an SQLite file with SQLite alone, as another program would.
bool makeDatabase(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

class StudyFileTest : public testing::Test {
protected:
    status::Status open(study::StudyRecord& into) { return into.open(path); }

    testsupport::TempFolder home;
    std::string path = home.file("vorlane/etude.sqlite");
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
};

}  // namespace

TEST_F(StudyFileTest, ANewRecordHasItsVersionAndKeepsEveryCommitOnTheDisk)
{
    ASSERT_TRUE(open(record).ok());
    long long synchronous = -1;
    ASSERT_EQ(record.database().integer("PRAGMA synchronous", synchronous), SQLITE_OK);
    EXPECT_EQ(synchronous, 2);  // FULL
    RecordRows rows(path);
    EXPECT_EQ(rows.number("PRAGMA user_version"), 1);
    EXPECT_EQ(rows.text("PRAGMA journal_mode"), "wal");
    EXPECT_TRUE(record.setAsideAs().empty());
}

// Written by a newer vorlane: refused, said in French with its path, and left byte for byte.
TEST_F(StudyFileTest, ANewerRecordIsRefusedAndNeverWritten)
{
    ASSERT_TRUE(files::makeFolders(home.file("vorlane")) == 0);
    ASSERT_TRUE(makeDatabase(path,
                             "PRAGMA journal_mode = WAL; CREATE TABLE later (x); "
                             "INSERT INTO later VALUES (1); PRAGMA user_version = 2;"));
    const std::string before = testsupport::readBytes(path);
    const status::Status opened = open(record);
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.why().find("version plus récente de vorlane"), std::string::npos);
    EXPECT_NE(opened.why().find("etude.sqlite »"), std::string::npos);
    EXPECT_EQ(testsupport::readBytes(path), before);
    EXPECT_FALSE(record.recordCorrection({{kAutrice, false, 4}}).ok());
    EXPECT_FALSE(record.dueCounts().ok());
    EXPECT_EQ(testsupport::readBytes(path), before);
}

struct Damage {
    const char* name;
    std::function<bool(const std::string& path)> make;
};

class DamagedFileTest : public StudyFileTest, public testing::WithParamInterface<Damage> {};

// Set aside under a dated name with its log, never removed; a new record starts in its place.
TEST_P(DamagedFileTest, IsSetAsideAndANewRecordStarts)
{
    ASSERT_EQ(files::makeFolders(home.file("vorlane")), 0);
    ASSERT_TRUE(GetParam().make(path));
    ASSERT_TRUE(testsupport::writeBytes(path + "-shm", std::string(32768, '\0')));
    const std::string damaged = testsupport::readBytes(path);
    const status::Status opened = open(record);
    ASSERT_TRUE(opened.ok()) << opened.why();
    const std::string aside = study::StudyFile::setAsideName(path, clock.now);
    EXPECT_EQ(record.setAsideAs(), aside);
    EXPECT_NE(aside.find("etude.sqlite.abime-20"), std::string::npos);
    EXPECT_EQ(testsupport::readBytes(aside), damaged);
    EXPECT_TRUE(testsupport::exists(aside + "-shm"));
    EXPECT_TRUE(record.recordCorrection({{kAutrice, false, 4}}).ok());

    // Damaged again in the same minute: a second name, the first one kept.
    record.database().close();
    ASSERT_TRUE(GetParam().make(path));
    study::StudyRecord again(clock.clock());
    ASSERT_TRUE(again.open(path).ok());
    EXPECT_EQ(again.setAsideAs(), aside + "-2");
    EXPECT_EQ(testsupport::readBytes(aside), damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    testing::Values(Damage{"NotADatabase",
                           [](const std::string& path) {
                               return testsupport::writeBytes(path,
                                                              "ceci n'est pas un relevé d'étude\n");
                           }},
                    Damage{"PagesOverwritten",
                           [](const std::string& path) {
                               if (!makeDatabase(
                                       path,
                                       "CREATE TABLE t (x); WITH RECURSIVE n(i) AS (SELECT 1 "
                                       "UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                                       "INSERT INTO t SELECT printf('%0100d', i) FROM n;"))
                                   return false;
                               std::string bytes = testsupport::readBytes(path);
                               for (std::size_t k = 4096 + 8; k < bytes.size() - 4096; k += 4096)
                                   bytes.replace(k, 64, std::string(64, '\x7f'));
                               return testsupport::writeBytes(path, bytes);
                           }}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

struct Blocker {
    const char* name;
    std::function<bool(const testsupport::TempFolder& home, const std::string& path)> make;
    const char* said;
    const char* stillThere = "vorlane/etude.sqlite";
};

class BlockedPlaceTest : public StudyFileTest, public testing::WithParamInterface<Blocker> {};

// Refused at once, never opened (a pipe would wait for ever), said in French.
TEST_P(BlockedPlaceTest, IsRefusedWithoutWaiting)
{
    ASSERT_EQ(files::makeFolders(home.file("vorlane")), 0);
    if (!GetParam().make(home, path))
        GTEST_SKIP() << "this system cannot make it";
    const status::Status opened = open(record);
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.why().find(GetParam().said), std::string::npos) << opened.why();
    EXPECT_NE(opened.why().find("etude.sqlite »"), std::string::npos);
    EXPECT_TRUE(testsupport::exists(home.file(GetParam().stillThere)));
    EXPECT_FALSE(record.recordCorrection({{kAutrice, false, 4}}).ok());
}

INSTANTIATE_TEST_SUITE_P(
    Places, BlockedPlaceTest,
    testing::Values(Blocker{"Folder",
                            [](const testsupport::TempFolder&, const std::string& path) {
                                return files::makeFolder(path) == 0;
                            },
                            "c'est un dossier"},
#ifndef _WIN32
                    Blocker{"Pipe",
                            [](const testsupport::TempFolder&, const std::string& path) {
                                return ::mkfifo(path.c_str(), 0600) == 0;
                            },
                            "c'est un tube"},
                    Blocker{"Link",
                            [](const testsupport::TempFolder& home, const std::string& path) {
                                return testsupport::writeBytes(home.file("ailleurs.sqlite"), "")
                                    && ::symlink(home.file("ailleurs.sqlite").c_str(), path.c_str())
                                    == 0;
                            },
                            "c'est un lien"},
#endif
                    Blocker{"FolderInTheWay",
                            [](const testsupport::TempFolder& home, const std::string&) {
                                return files::removeFolder(home.file("vorlane")) == 0
                                    && testsupport::writeBytes(home.file("vorlane"), "un fichier");
                            },
#ifdef _WIN32
                            "ne peut pas servir", "vorlane"}),
#else
                            "un élément du chemin n'est pas un dossier", "vorlane"}),
#endif
    [](const testing::TestParamInfo<Blocker>& info) { return std::string(info.param.name); });

// Two vorlane at once on one record: each write waits for the other's, none is lost.
TEST_F(StudyFileTest, TwoRecordsOnOneFileBothWrite)
{
    study::StudyRecord other(clock.clock());
    ASSERT_TRUE(open(record).ok());
    ASSERT_TRUE(open(other).ok());
    ASSERT_EQ(record.database().exec("BEGIN IMMEDIATE"), SQLITE_OK);  // the first one writing
    status::Status second;
    std::thread waiting([&] { second = other.recordCorrection({{kAutrice, false, 4}}); });
    ASSERT_EQ(record.database().exec("INSERT INTO correction (at) VALUES (1)"), SQLITE_OK);
    ASSERT_EQ(record.database().exec("COMMIT"), SQLITE_OK);
    waiting.join();
    EXPECT_TRUE(second.ok()) << second.why();
    EXPECT_TRUE(record.recordCorrection({{kAutrice, true, 2}}).ok());
    RecordRows rows(path);
    EXPECT_EQ(rows.number("SELECT count(*) FROM correction"), 3);
    EXPECT_EQ(rows.number("SELECT count(*) FROM answer"), 2);
}

// A full disk: the correction is refused with its reason, what was kept stays whole, and the
// record writes again once there is room.
TEST_F(StudyFileTest, AFullDiskLosesNothingKept)
{
    testsupport::SmallDisk disk(files::fromUtf8(home.file("disk")), 1 << 20);
    if (!disk.ready())
        GTEST_SKIP() << disk.why();
    const std::string onDisk = disk.file("etude.sqlite");
    study::StudyRecord small(clock.clock());
    ASSERT_TRUE(small.open(onDisk).ok());
    ASSERT_TRUE(small.recordCorrection({{kAutrice, false, 4}}).ok());
    ASSERT_TRUE(disk.fill());
    std::vector<study::SlotAnswer> many;
    for (int k = 0; k < 3000; ++k)
        many.push_back({{"ods6new_7L.txt", "D" + std::to_string(k), "S"}, false, 1});
    status::Status full;
    for (int attempt = 0; attempt < 20 && full.ok(); ++attempt)
        full = small.recordCorrection(many);
    ASSERT_FALSE(full.ok());
    EXPECT_NE(full.why().find("le disque est plein"), std::string::npos) << full.why();
    EXPECT_TRUE(small.dueCounts().ok());
    ASSERT_EQ(files::removeFile(disk.file("filler")), 0);
    EXPECT_TRUE(small.recordCorrection({{kAutrice, true, 2}}).ok());
    RecordRows rows(onDisk);
    EXPECT_EQ(rows.text("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(rows.number("SELECT count(*) FROM answer WHERE draw = 1"), 2);
}

TEST_F(StudyFileTest, AReadOnlyDiskIsSaidAtOpen)
{
    testsupport::SmallDisk disk(files::fromUtf8(home.file("disk")), 1 << 20);
    if (!disk.ready() || !disk.makeReadOnly())
        GTEST_SKIP() << "no read-only disk here";
    const status::Status opened = record.open(disk.file("vorlane/etude.sqlite"));
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.why().find("ne peut pas servir"), std::string::npos) << opened.why();
}
