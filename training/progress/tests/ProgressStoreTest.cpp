#include <training/progress/DrillOptions.h>
#include <training/progress/OlderProgress.h>
#include <training/progress/ProgressStore.h>

#include <catalogue/Catalogue.h>
#include <files/FileSystem.h>
#include <places/PlayerFolders.h>
#include <study/StudyRecord.h>
#include <testsupport/AccentedNames.h>
#include <testsupport/EnvironmentVariable.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>
#include <training/drill/Drill.h>
#include <training/drill/Threshold.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <set>
#ifndef _WIN32
#include <sys/stat.h>
#endif

using training::ListFingerprint;
using training::OlderProgress;
using training::ProgressStore;
using State = training::ProgressStore::Found::State;

namespace {

const catalogue::ListRow& sevenLetters()
{
    return *catalogue::Catalogue::find("7 lettres", 0);
}

QString qpath(const std::string& path)
{
    return QString::fromStdString(path);
}

// A saved drill on a list of three entries, one of them with accents.
drill::SavedDrill savedDrill()
{
    drill::SavedDrill saved;
    saved.entries = {{"ACEIRTU", "AUTRICE"}, {"\xC9TAPE", "P\xC9TALE;\xC9PELAT"}};
    saved.successCount = {0, 2};
    saved.listSize = 3;
    saved.seriesDone = 4;
    saved.errorCount = 9;
    saved.totalSeconds = 3725;
    saved.criterion = drill::Criterion::BySpeed;
    saved.threshold = 4.5;
    return saved;
}

// A record as the earlier versions wrote it (QJsonDocument, indented), of savedDrill() on the
// list file `list`.
std::string olderRecord(const QString& list)
{
    const ListFingerprint file = *ListFingerprint::of(list);
    return R"({
    "critere": "secondes",
    "fautes": 9,
    "fichier": ")"
        + file.path.toStdString() + R"(",
    "format": "vorlane-progression",
    "liste": "7 lettres",
    "restants": [
        [
            "ACEIRTU",
            "AUTRICE",
            0
        ],
        [
            "ÉTAPE",
            "PÉTALE;ÉPELAT",
            2
        ]
    ],
    "secondes": 3725,
    "seriesRealisees": 4,
    "seuil": 4.5,
    "sha256": ")"
        + file.sha256.toStdString() + R"(",
    "taille": )"
        + std::to_string(file.size) + R"(,
    "tiragesDeLaListe": 3,
    "version": 1
}
)";
}

class ProgressStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(record.open(home.file("etude.sqlite")).ok());
        ASSERT_EQ(files::makeFolders(home.file("progress")), 0);
        list = qpath(home.write("data/ods6new_7L.txt",
                                {"ACEIRTU;AUTRICE", "X;Y", "\xC9TAPE;P\xC9TALE;\xC9PELAT"}));
    }
    void saveDrill(const drill::SavedDrill& saved = savedDrill())
    {
        const status::Status kept = store.save(sevenLetters(), *ListFingerprint::of(list), saved);
        ASSERT_TRUE(kept.ok()) << kept.why();
    }
    std::string olderPath() const
    {
        return OlderProgress::recordPath(qpath(home.file("progress")), sevenLetters())
            .toStdString();
    }

    testsupport::TempFolder home;
    std::int64_t now = 1'800'000'000;
    study::StudyRecord record{[this] { return now; }};
    ProgressStore store{&record, qpath(home.file("progress"))};
    QString list;
};

void expectSavedDrill(const ProgressStore::Found& found)
{
    ASSERT_EQ(found.state, State::usable) << found.reason.toStdString();
    const drill::SavedDrill expected = savedDrill();
    ASSERT_EQ(found.saved.entries.size(), 2u);
    EXPECT_EQ(found.saved.entries[1].draw, expected.entries[1].draw);
    EXPECT_EQ(found.saved.entries[1].solutions, expected.entries[1].solutions);
    EXPECT_EQ(found.saved.successCount, expected.successCount);
    EXPECT_EQ(found.saved.listSize, 3);
    EXPECT_EQ(found.saved.seriesDone, 4);
    EXPECT_EQ(found.saved.errorCount, 9);
    EXPECT_EQ(found.saved.totalSeconds, 3725);
    EXPECT_EQ(found.saved.criterion, drill::Criterion::BySpeed);
    EXPECT_EQ(found.saved.threshold, 4.5);
}

}  // namespace

TEST_F(ProgressStoreTest, WhatIsSavedIsFoundAgain)
{
    saveDrill();
    expectSavedDrill(store.find(sevenLetters(), list));
    store.forget(sevenLetters());
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::none);
}

// Progress belongs to the file it was made on: another content or another place is stale.
TEST_F(ProgressStoreTest, AChangedOrMovedListMakesTheRecordStale)
{
    saveDrill();
    const QString copy = qpath(home.write(
        "elsewhere/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Y", "\xC9TAPE;P\xC9TALE;\xC9PELAT"}));
    EXPECT_EQ(store.find(sevenLetters(), copy).state, State::stale);
    home.write("data/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Z", "\xC9TAPE;P\xC9TALE;\xC9PELAT"});
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::stale);
}

// A list that cannot be read for a moment is no changed list: its progress waits for it.
TEST_F(ProgressStoreTest, AListUnreadableForAMomentKeepsItsProgress)
{
    saveDrill();
    ASSERT_EQ(files::renameNew(list.toStdString(), list.toStdString() + ".ailleurs"), 0);
    const ProgressStore::Found away = store.find(sevenLetters(), list);
    EXPECT_EQ(away.state, State::unusable);
    EXPECT_TRUE(away.reason.contains(QStringLiteral("ne peut pas être lue pour l'instant")));
    ASSERT_EQ(files::renameNew(list.toStdString() + ".ailleurs", list.toStdString()), 0);
    expectSavedDrill(store.find(sevenLetters(), list));
}

// Judged against the list's entries before it is offered: one it lacks makes it unusable.
TEST_F(ProgressStoreTest, ARecordNamingEntriesTheListLacksIsUnusable)
{
    drill::SavedDrill foreign = savedDrill();
    foreign.entries[0].solutions = "AUTRICES";
    saveDrill(foreign);
    const std::vector<drill::ListEntry> entries = {
        {"ACEIRTU", "AUTRICE"}, {"X", "Y"}, {"\xC9TAPE", "P\xC9TALE;\xC9PELAT"}};
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::usable);
    const ProgressStore::Found judged = store.find(sevenLetters(), list, &entries);
    EXPECT_EQ(judged.state, State::unusable);
    EXPECT_EQ(judged.reason, QStringLiteral("elle nomme des tirages que la liste n'a pas"));
    saveDrill();
    EXPECT_EQ(store.find(sevenLetters(), list, &entries).state, State::usable);
}

// A threshold typed as 320 nines is infinite: kept as the largest number, the drill found again
// and resumed, never called damaged.
TEST_F(ProgressStoreTest, AnInfiniteThresholdIsKeptAndResumed)
{
    drill::SavedDrill saved = savedDrill();
    saved.criterion = drill::Criterion::BySuccesses;
    saved.threshold = drill::Threshold::parse(std::string(320, '9'));
    saveDrill(saved);
    const ProgressStore::Found found = store.find(sevenLetters(), list);
    ASSERT_EQ(found.state, State::usable);
    EXPECT_EQ(found.saved.threshold, std::numeric_limits<double>::max());
    drill::Drill drill;
    EXPECT_TRUE(drill.resume(
        sevenLetters(), {{"ACEIRTU", "AUTRICE"}, {"X", "Y"}, {"\xC9TAPE", "P\xC9TALE;\xC9PELAT"}},
        found.saved));
}

// A record that cannot be written says why in French, and what was kept stays.
TEST_F(ProgressStoreTest, AFailedSaveSaysWhyAndKeepsWhatWasKept)
{
    saveDrill();
    ASSERT_EQ(record.database().exec("PRAGMA query_only = ON"), SQLITE_OK);
    drill::SavedDrill later = savedDrill();
    later.seriesDone = 5;
    const status::Status kept = store.save(sevenLetters(), *ListFingerprint::of(list), later);
    EXPECT_FALSE(kept.ok());
    EXPECT_EQ(kept.why().rfind("impossible d'écrire dans le relevé d'étude « ", 0), 0u)
        << kept.why();
    ASSERT_EQ(record.database().exec("PRAGMA query_only = OFF"), SQLITE_OK);
    expectSavedDrill(store.find(sevenLetters(), list));
}

// A player who resumed a list yesterday with the earlier version resumes it today with the
// same counts; the older record is left byte for byte.
TEST_F(ProgressStoreTest, TheEarlierVersionsRecordIsCarriedOverAndLeftAsItIs)
{
    const std::string older = olderRecord(list);
    ASSERT_TRUE(testsupport::writeBytes(olderPath(), older));
    ASSERT_TRUE(store.carryOver().ok());
    expectSavedDrill(store.find(sevenLetters(), list));
    EXPECT_EQ(testsupport::readBytes(olderPath()), older);

    // Carried once: a drill forgotten since does not come back at the next start.
    store.forget(sevenLetters());
    ASSERT_TRUE(store.carryOver().ok());
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::none);
}

// Saved with "seuil": null by the earlier versions (an infinite threshold): carried over.
TEST_F(ProgressStoreTest, AnOlderRecordWithANullThresholdIsCarriedOver)
{
    std::string older = olderRecord(list);
    older.replace(older.find("\"seuil\": 4.5"), 12, "\"seuil\": null");
    ASSERT_TRUE(testsupport::writeBytes(olderPath(), older));
    ASSERT_TRUE(store.carryOver().ok());
    const ProgressStore::Found found = store.find(sevenLetters(), list);
    ASSERT_EQ(found.state, State::usable);
    EXPECT_EQ(found.saved.threshold, std::numeric_limits<double>::max());
}

class OlderRecordTest
    : public ProgressStoreTest,
      public testing::WithParamInterface<
          std::tuple<const char*, std::function<void(QJsonObject&)>, const char*>> {};

// Not carried, with its reason, and left as it is: a newer record is never overwritten.
TEST_P(OlderRecordTest, IsNotCarriedAndLeftAsItIs)
{
    QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(olderRecord(list))).object();
    std::get<1>(GetParam())(json);
    const std::string bytes = QJsonDocument(json).toJson().toStdString();
    ASSERT_TRUE(testsupport::writeBytes(olderPath(), bytes));
    QString reason;
    EXPECT_FALSE(OlderProgress::read(qpath(olderPath()), &reason).has_value());
    EXPECT_EQ(reason, QString::fromUtf8(std::get<2>(GetParam())));
    ASSERT_TRUE(store.carryOver().ok());
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::none);
    saveDrill();
    EXPECT_EQ(testsupport::readBytes(olderPath()), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Records, OlderRecordTest,
    testing::Values(std::make_tuple(
                        "newer", [](QJsonObject& r) { r["version"] = 2; },
                        "fichier écrit par une version plus récente de vorlane"),
                    std::make_tuple(
                        "foreign", [](QJsonObject& r) { r.remove("format"); },
                        "ce n'est pas un fichier de progression de vorlane"),
                    std::make_tuple(
                        "noVersion", [](QJsonObject& r) { r["version"] = "un"; },
                        "fichier de progression endommagé"),
                    std::make_tuple(
                        "criterion", [](QJsonObject& r) { r["critere"] = "vitesse"; },
                        "fichier de progression endommagé"),
                    std::make_tuple(
                        "series", [](QJsonObject& r) { r["seriesRealisees"] = 40000; },
                        "fichier de progression endommagé"),
                    std::make_tuple(
                        "fraction", [](QJsonObject& r) { r["fautes"] = 2.5; },
                        "fichier de progression endommagé"),
                    std::make_tuple(
                        "entries",
                        [](QJsonObject& r) {
                            r["restants"] = QJsonArray{1, 2};
                        },
                        "fichier de progression endommagé")),
    [](const auto& info) { return std::string(std::get<0>(info.param)); });

#ifndef _WIN32
// A pipe in the place of a progress record or of the options file is never opened: reading it
// would wait for ever. The options are then the design's.
TEST_F(ProgressStoreTest, APipeInThePlaceOfARecordOrOfTheOptionsIsNotRead)
{
    ASSERT_EQ(::mkfifo(olderPath().c_str(), 0600), 0);
    QString reason;
    EXPECT_FALSE(OlderProgress::read(qpath(olderPath()), &reason).has_value());
    EXPECT_EQ(reason, QStringLiteral("ce n'est pas un fichier ordinaire"));
    EXPECT_TRUE(store.carryOver().ok());

    const std::string options = home.file("vorlane.conf");
    ASSERT_EQ(::mkfifo(options.c_str(), 0600), 0);
    training::DrillOptions{drill::Criterion::BySpeed, QStringLiteral("12"), 9, false}.write(
        qpath(options));
    const training::DrillOptions read = training::DrillOptions::read(qpath(options));
    EXPECT_EQ(read.criterion, drill::Criterion::BySuccesses);
    EXPECT_EQ(read.fontClicks, 0);
    EXPECT_TRUE(read.clocksShown);
}
#endif

// A drill on a long list: its first save writes the list's entries, each correction after it
// only the rows of its series; two programs on the list add up their counters and both keep
// their eliminations.
class KeptDrillTest : public ProgressStoreTest {
protected:
    void SetUp() override
    {
        ProgressStoreTest::SetUp();
        std::vector<std::string> lines;
        for (int k = 0; k < 1000; ++k) {
            entries.push_back({"D" + std::to_string(k), "S" + std::to_string(k)});
            lines.push_back(entries.back().draw + ";" + entries.back().solutions);
        }
        list = qpath(home.write("data/ods6new_7L.txt", lines));
    }
    // A series where every other slot is answered right.
    drill::CorrectionResult playSeries(drill::Drill& drill, std::uint32_t seed)
    {
        testsupport::SeededRandomSource random(seed);
        const drill::SeriesDraw drawn = drill.drawSeries(random);
        std::array<std::string, drill::kSlots> answers;
        for (int s = 0; s < drawn.seriesSize; s += 2)
            answers[s] = "S" + drawn.drawTexts[s].substr(1);
        return drill.correctSeries(answers);
    }
    bool keep(ProgressStore& into, const drill::Drill& drill, const drill::CorrectionResult* result)
    {
        const status::Status kept =
            into.keep(sevenLetters(), *ListFingerprint::of(list), drill, result);
        EXPECT_TRUE(kept.ok()) << kept.why();
        return kept.ok();
    }
    int changes() { return sqlite3_total_changes(record.database().handle()); }

    std::vector<drill::ListEntry> entries;
};

TEST_F(KeptDrillTest, ACorrectionWritesOnlyItsSeries)
{
    drill::Drill drill;
    drill.start(sevenLetters(), entries);
    drill::CorrectionResult result = playSeries(drill, 1);
    int before = changes();
    ASSERT_TRUE(keep(store, drill, &result));
    EXPECT_GE(changes() - before, 1000 - 15);  // the whole drill, once
    for (std::uint32_t seed = 2; seed < 5; ++seed) {
        result = playSeries(drill, seed);
        before = changes();
        ASSERT_TRUE(keep(store, drill, &result));
        EXPECT_LE(changes() - before, drill::kSlots + 2);
    }
    const ProgressStore::Found found = store.find(sevenLetters(), list);
    const drill::SavedDrill now = drill.saved();
    ASSERT_EQ(found.state, State::usable);
    EXPECT_EQ(found.saved.successCount, now.successCount);
    EXPECT_EQ(found.saved.seriesDone, 4);
    EXPECT_EQ(found.saved.errorCount, now.errorCount);
    ASSERT_EQ(found.saved.entries.size(), now.entries.size());
    for (std::size_t k = 0; k < now.entries.size(); ++k)
        EXPECT_EQ(found.saved.entries[k].draw, now.entries[k].draw);
}

TEST_F(KeptDrillTest, TwoProgramsOnOneListAddUp)
{
    drill::Drill started;
    started.start(sevenLetters(), entries);
    drill::CorrectionResult result = playSeries(started, 1);
    ASSERT_TRUE(keep(store, started, &result));

    study::StudyRecord otherRecord([this] { return now; });
    ASSERT_TRUE(otherRecord.open(home.file("etude.sqlite")).ok());
    ProgressStore one(&record, QString()), two(&otherRecord, QString());
    drill::Drill first, second;
    const ProgressStore::Found found = one.find(sevenLetters(), list);
    ASSERT_TRUE(first.resume(sevenLetters(), entries, found.saved));
    ASSERT_TRUE(second.resume(sevenLetters(), entries, found.saved));
    one.follow(sevenLetters(), found);
    two.follow(sevenLetters(), two.find(sevenLetters(), list));
    std::set<std::string> eliminated;
    for (std::uint32_t seed : {7u, 8u}) {
        for (auto [drill, into] : {std::pair{&first, &one}, std::pair{&second, &two}}) {
            result = playSeries(*drill, seed + (drill == &second ? 100 : 0));
            for (const drill::SlotCorrection& slot : result.slots)
                if (slot.inSeries && slot.eliminated)
                    eliminated.insert(slot.entryDraw);
            ASSERT_TRUE(keep(*into, *drill, &result));
        }
    }
    const ProgressStore::Found both = one.find(sevenLetters(), list);
    EXPECT_EQ(both.saved.seriesDone, 1 + 2 + 2);
    EXPECT_EQ(both.saved.errorCount,
              started.state().errorCount + (first.state().errorCount - found.saved.errorCount)
                  + (second.state().errorCount - found.saved.errorCount));
    EXPECT_EQ(both.saved.entries.size(), found.saved.entries.size() - eliminated.size());
    for (const drill::ListEntry& entry : both.saved.entries)
        EXPECT_EQ(eliminated.count(entry.draw), 0u) << entry.draw;
}

TEST(DrillOptionsTest, KeptOptionsComeBackAndMissingOnesAreTheDesigns)
{
    testsupport::TempFolder home;
    const QString file = qpath(home.file("config/vorlane.conf"));
    const training::DrillOptions design = training::DrillOptions::read(file);
    EXPECT_EQ(design.criterion, drill::Criterion::BySuccesses);
    EXPECT_TRUE(design.threshold.isEmpty());
    EXPECT_EQ(design.fontClicks, 0);
    EXPECT_TRUE(design.clocksShown);

    training::DrillOptions kept{drill::Criterion::BySpeed, QStringLiteral("12"), 9, false};
    kept.write(file);
    const training::DrillOptions read = training::DrillOptions::read(file);
    EXPECT_EQ(read.criterion, drill::Criterion::BySpeed);
    EXPECT_EQ(read.threshold, QStringLiteral("12"));
    EXPECT_EQ(read.fontClicks, 9);
    EXPECT_FALSE(read.clocksShown);
    EXPECT_EQ(training::DrillOptions::afterClick(7), 8);
    EXPECT_EQ(training::DrillOptions::afterClick(14), 8);
}

// Where the player's progress and options go follows the system's rules (XDG on Linux, APPDATA
// on Windows): a relative variable is ignored, and without a home nothing is kept anywhere
// (never at the root).
struct PlayerPlace {
    const char* dataHome;
    const char* configHome;
    const char* home;
    QString progress;
    QString options;
};

class PlayerPlaceTest : public testing::TestWithParam<PlayerPlace> {};

TEST_P(PlayerPlaceTest, FollowsTheSystemsRules)
{
#ifdef _WIN32
    const testsupport::EnvironmentVariable data("APPDATA", GetParam().dataHome);
    const testsupport::EnvironmentVariable config("LOCALAPPDATA", GetParam().configHome);
#else
    const testsupport::EnvironmentVariable data("XDG_DATA_HOME", GetParam().dataHome);
    const testsupport::EnvironmentVariable config("XDG_CONFIG_HOME", GetParam().configHome);
#endif
    const testsupport::EnvironmentVariable home("HOME", GetParam().home);
    EXPECT_EQ(ProgressStore::playerFolder(), GetParam().progress);
    EXPECT_EQ(training::DrillOptions::playerFile(), GetParam().options);
}

#ifdef _WIN32
// The options go beside the lists, in the roaming folder; the local one and HOME play no part.
INSTANTIATE_TEST_SUITE_P(
    Places, PlayerPlaceTest,
    testing::Values(
        PlayerPlace{"C:\\Users\\Hélène\\AppData\\Roaming", "C:\\Local", nullptr,
                    QString::fromUtf8("C:/Users/Hélène/AppData/Roaming/vorlane/progress"),
                    QString::fromUtf8("C:/Users/Hélène/AppData/Roaming/vorlane/vorlane.conf")},
        PlayerPlace{"Roaming", "C:\\Local", "C:\\Users\\joueur", QString(), QString()},
        PlayerPlace{nullptr, nullptr, nullptr, QString(), QString()}));
#else
INSTANTIATE_TEST_SUITE_P(
    Places, PlayerPlaceTest,
    testing::Values(PlayerPlace{"/x/data", "/x/config", "/home/h", "/x/data/vorlane/progress",
                                "/x/config/vorlane/vorlane.conf"},
                    PlayerPlace{"rel/data", "", "/home/h", "/home/h/.local/share/vorlane/progress",
                                "/home/h/.config/vorlane/vorlane.conf"},
                    PlayerPlace{nullptr, nullptr, nullptr, QString(), QString()},
                    PlayerPlace{nullptr, nullptr, "relative", QString(), QString()}));
#endif

// A player whose folders and lists lie under a name the Windows code page misreads or lacks
// keeps and finds their progress and options there, tied to the list file it was made on.
class AccentedPlayer : public testing::TestWithParam<std::string> {};

TEST_P(AccentedPlayer, KeepsAndFindsProgressAndOptions)
{
    testsupport::TempFolder top;
    const std::string home = top.file(GetParam());
#ifdef _WIN32
    const testsupport::EnvironmentVariable data("APPDATA", home.c_str());
#else
    const testsupport::EnvironmentVariable data("XDG_DATA_HOME", home.c_str());
    const testsupport::EnvironmentVariable config("XDG_CONFIG_HOME", home.c_str());
#endif
    const QString list =
        qpath(top.write(GetParam() + "/data/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Y", "Z;W"}));
    const std::optional<ListFingerprint> fingerprint = ListFingerprint::of(list);
    ASSERT_TRUE(fingerprint.has_value());
    study::StudyRecord record;
    ASSERT_TRUE(record.open(places::PlayerFolders::studyRecord()).ok());
    EXPECT_NE(record.path().find(GetParam()), std::string::npos);
    ProgressStore store(&record, ProgressStore::playerFolder());
    const status::Status saved = store.save(sevenLetters(), *fingerprint, savedDrill());
    ASSERT_TRUE(saved.ok()) << saved.why();
    EXPECT_EQ(store.find(sevenLetters(), list).state, State::usable);

    const training::DrillOptions kept{drill::Criterion::BySpeed, QStringLiteral("12"), 9, false};
    kept.write(training::DrillOptions::playerFile());
    EXPECT_EQ(training::DrillOptions::read(training::DrillOptions::playerFile()).fontClicks, 9);
}

INSTANTIATE_TEST_SUITE_P(Names, AccentedPlayer, testing::ValuesIn(testsupport::accentedNames()));
