#include <training/progress/DrillOptions.h>
#include <training/progress/ProgressStore.h>

#include <catalogue/Catalogue.h>
#include <testsupport/AccentedNames.h>
#include <testsupport/EnvironmentVariable.h>
#include <testsupport/TempFolder.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using training::ListFingerprint;
using training::ProgressStore;
using Status = training::ProgressStore::Found::Status;

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

class ProgressStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        list = qpath(home.write("data/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Y", "Z;W"}));
        store.save(sevenLetters(), *ListFingerprint::of(list), savedDrill(), nullptr);
    }
    // Rewrites one field of the record as a damaged or foreign file would have it.
    void editRecord(const std::function<void(QJsonObject&)>& edit) const
    {
        QFile file(store.recordPath(sevenLetters()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        edit(record);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(record).toJson());
    }

    testsupport::TempFolder home;
    ProgressStore store{qpath(home.file("progress"))};
    QString list;
};

}  // namespace

TEST_F(ProgressStoreTest, WhatIsSavedIsFoundAgain)
{
    const ProgressStore::Found found = store.find(sevenLetters(), list);
    ASSERT_EQ(found.status, Status::usable);
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
    EXPECT_TRUE(
        store.recordPath(sevenLetters()).endsWith(QStringLiteral("progress/ods6new_7L.json")));

    store.forget(sevenLetters());
    EXPECT_EQ(store.find(sevenLetters(), list).status, Status::none);
}

// Progress belongs to the file it was made on: another content or another place is stale.
TEST_F(ProgressStoreTest, AChangedOrMovedListMakesTheRecordStale)
{
    const QString copy =
        qpath(home.write("elsewhere/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Y", "Z;W"}));
    EXPECT_EQ(store.find(sevenLetters(), copy).status, Status::stale);
    home.write("data/ods6new_7L.txt", {"ACEIRTU;AUTRICE", "X;Y", "Z;V"});  // same size
    EXPECT_EQ(store.find(sevenLetters(), list).status, Status::stale);
    EXPECT_EQ(store.find(sevenLetters(), qpath(home.file("data/absente.txt"))).status,
              Status::stale);
}

class DamagedRecordTest
    : public ProgressStoreTest,
      public testing::WithParamInterface<
          std::tuple<const char*, std::function<void(QJsonObject&)>, const char*>> {};

TEST_P(DamagedRecordTest, IsIgnoredWithItsReason)
{
    editRecord(std::get<1>(GetParam()));
    const ProgressStore::Found found = store.find(sevenLetters(), list);
    EXPECT_EQ(found.status, Status::unusable);
    EXPECT_EQ(found.reason, QString::fromUtf8(std::get<2>(GetParam())));
    EXPECT_TRUE(
        store.ignoredLine(sevenLetters(), found.reason)
            .startsWith(QStringLiteral("vorlane : progression de « 7 lettres » ignorée (")));
}

INSTANTIATE_TEST_SUITE_P(
    Records, DamagedRecordTest,
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

TEST_F(ProgressStoreTest, ACutRecordIsIgnored)
{
    QFile file(store.recordPath(sevenLetters()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    EXPECT_EQ(store.find(sevenLetters(), list).status, Status::unusable);
}

// A record that cannot be written says why in French.
TEST_F(ProgressStoreTest, AFailedSaveSaysWhy)
{
    ProgressStore blocked{qpath(home.write("bloque", {"un fichier, pas un dossier"}))};
    QString why;
    EXPECT_FALSE(blocked.save(sevenLetters(), *ListFingerprint::of(list), savedDrill(), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("impossible d'écrire « "))) << why.toStdString();
    EXPECT_TRUE(why.endsWith(QStringLiteral("un élément du chemin n'est pas un dossier")))
        << why.toStdString();
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
    EXPECT_EQ(ProgressStore(ProgressStore::playerFolder()).find(sevenLetters(), "7L.txt").status,
              Status::none);
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
    const ProgressStore store(ProgressStore::playerFolder());
    QString why;
    ASSERT_TRUE(store.save(sevenLetters(), *fingerprint, savedDrill(), &why)) << why.toStdString();
    EXPECT_TRUE(store.recordPath(sevenLetters()).contains(QString::fromStdString(GetParam())));
    EXPECT_EQ(store.find(sevenLetters(), list).status, Status::usable);

    const training::DrillOptions kept{drill::Criterion::BySpeed, QStringLiteral("12"), 9, false};
    kept.write(training::DrillOptions::playerFile());
    EXPECT_EQ(training::DrillOptions::read(training::DrillOptions::playerFile()).fontClicks, 9);
}

INSTANTIATE_TEST_SUITE_P(Names, AccentedPlayer, testing::ValuesIn(testsupport::accentedNames()));
