// The study record as the player meets it: every answer of a drill kept, a damaged record set
// aside and said, a record that cannot be had said at start while the drill goes on, and a
// write that fails during a drill said once.
#include <launcher/tests/DrillPlay.h>
#include <training/window/tests/LauncherFixture.h>

#include <files/FileSystem.h>
#include <places/PlayerFolders.h>
#include <study/StudyRecord.h>
#include <testsupport/PlayerHome.h>
#include <testsupport/TestFiles.h>
#include <training/progress/ProgressStore.h>

#include <QLabel>
#include <QMessageBox>
#include <QtTest>

namespace {

const QString kSeven = QStringLiteral("7 lettres");

// What the launcher says in its band as it starts, whole (what it shows may end in "…").
QString saidAtStart(launcher::Form2& launcher)
{
    return testsupport::WindowProbe(launcher).label(QStringLiteral("message"))->toolTip();
}

void forgetRecord()
{
    testsupport::forgetPlayersFiles();
    files::removeFolder(places::PlayerFolders::studyRecord());
}

}  // namespace

class StudyWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { forgetRecord(); }
    void cleanup() { forgetRecord(); }
    void everyAnswerOfADrillIsKept();
    void aDamagedRecordIsSetAsideAndSaid();
    void aRecordThatCannotBeHadIsSaidAndTheDrillGoesOn();
    void aFailedWriteIsSaidOnceAndTheDrillGoesOn();
    void aRecordNotMadeOnTheListIsNotOfferedAndSaid();
};

// Two found and three missed: five answers with their list, the three missed due today.
void StudyWindowTest::everyAnswerOfADrillIsKept()
{
    LauncherFixture program(3);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    answer(program.ui(),
           {{QStringLiteral("D000"), QStringLiteral("S000")},
            {QStringLiteral("D001"), QStringLiteral("S001")}});
    program.ui().button("corriger")->click();
    QVERIFY(program.launcher.study());
    const auto due = program.launcher.study()->dueDraws(30);
    QVERIFY(due.ok());
    QStringList draws;
    for (const study::DeckDraw& draw : *due) {
        QCOMPARE(QString::fromStdString(draw.list), QStringLiteral("ods6new_7L.txt"));
        QCOMPARE(QString::fromStdString(draw.solutions),
                 QStringLiteral("S") + QString::fromStdString(draw.draw).mid(1));
        draws << QString::fromStdString(draw.draw);
    }
    draws.sort();
    QCOMPARE(draws, QStringList({"D002", "D003", "D004"}));
    auto* record = static_cast<study::StudyRecord*>(program.launcher.study());
    long long answers = 0, found = 0;
    QCOMPARE(record->database().integer("SELECT count(*) FROM answer", answers), 0);
    QCOMPARE(record->database().integer("SELECT sum(found) FROM answer", found), 0);
    QCOMPARE(answers, 5LL);
    QCOMPARE(found, 2LL);
}

void StudyWindowTest::aDamagedRecordIsSetAsideAndSaid()
{
    const std::string path = places::PlayerFolders::studyRecord();
    QCOMPARE(files::makeFolders(path.substr(0, path.rfind('/'))), 0);
    QVERIFY(testsupport::writeBytes(path, "pas une base\n"));
    launcher::Form2 launcher;
    const QString said = saidAtStart(launcher);
    QVERIFY(said.startsWith(
        QStringLiteral("Votre relevé d'étude était abîmé : il a été mis de côté sous « ")));
    QVERIFY(said.contains(QStringLiteral("etude.sqlite.abime-")));
    QVERIFY(launcher.study());
    const QString aside = said.section(QStringLiteral("« "), 1).section(QStringLiteral(" »"), 0, 0);
    QCOMPARE(testsupport::readBytes(aside.toStdString()), std::string("pas une base\n"));
}

void StudyWindowTest::aRecordThatCannotBeHadIsSaidAndTheDrillGoesOn()
{
    QCOMPARE(files::makeFolders(places::PlayerFolders::studyRecord()), 0);  // a folder in its place
    {
        launcher::Form2 launcher;
        QVERIFY(!launcher.study());
        QVERIFY(saidAtStart(launcher).startsWith(
            QStringLiteral("Votre progression ne sera pas gardée : le relevé d'étude « ")));
    }
    LauncherFixture program(3, true);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    answer(program.ui(), {{QStringLiteral("D000"), QStringLiteral("S000")}});
    program.ui().button("corriger")->click();
    QCOMPARE(program.ui().label("score")->text(), QStringLiteral("1/5"));
}

// A disk that refuses the writes during a drill: said once, in a box that stops nothing.
void StudyWindowTest::aFailedWriteIsSaidOnceAndTheDrillGoesOn()
{
    LauncherFixture program(3);
    program.writeList(kSeven, 0, ListFolder::entries(40));
    QVERIFY(program.launch(kSeven, 0));
    auto* record = static_cast<study::StudyRecord*>(program.launcher.study());
    QCOMPARE(record->database().exec("PRAGMA query_only = ON"), 0);
    for (int series = 0; series < 2; ++series) {
        program.ui().button("corriger")->click();
        program.ui().button("restart")->click();
    }
    const auto told =
        program.form().findChildren<QMessageBox*>(QStringLiteral("progressionNonGardee"));
    QCOMPARE(told.size(), 1);
    QVERIFY(
        told.front()->text().startsWith(QStringLiteral("Votre progression n'est plus gardée : ")));
    QVERIFY(!told.front()->isModal());
    QVERIFY(program.form().logic().seriesOpen());
}

// A drill kept on this very file that names an entry the list lacks: no « Reprendre » that
// would start the whole list anyway; the list starts from its beginning and the band says why.
void StudyWindowTest::aRecordNotMadeOnTheListIsNotOfferedAndSaid()
{
    LauncherFixture program(3);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    const catalogue::ListRow& seven = *catalogue::Catalogue::find("7 lettres", 0);
    {
        study::StudyRecord other;
        QVERIFY(other.open(places::PlayerFolders::studyRecord()).ok());
        training::ProgressStore store(&other, QString());
        drill::SavedDrill foreign;
        foreign.entries = {{"D000", "S000"}, {"D009", "S009"}};
        foreign.successCount = {0, 0};
        foreign.listSize = 5;
        foreign.seriesDone = 1;
        const auto file = training::ListFingerprint::of(program.folder.path()
                                                        + QStringLiteral("/data/ods6new_7L.txt"));
        QVERIFY(file.has_value());
        QVERIFY(store.save(seven, *file, foreign).ok());
    }
    QVERIFY(program.launch(kSeven, 0));
    QVERIFY(!program.launcherControls().get<QMessageBox>("reprise")->isVisible());
    QCOMPARE(program.ui().box("motsleft")->text(), QStringLiteral("5"));
    QCOMPARE(program.launcherControls().label("message")->toolTip(),
             QStringLiteral("La progression gardée pour « 7 lettres » ne peut pas être reprise "
                            "(elle nomme des tirages que la liste n'a pas) : la liste recommence "
                            "au début."));
}

QTEST_MAIN(StudyWindowTest)
#include "StudyWindowTest.moc"
