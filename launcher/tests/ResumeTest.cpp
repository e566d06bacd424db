// A drill that outlives the program: LANCER on a list under way asks whether to resume it,
// the launcher shows where each list stands, and the options come back at the next run.
#include <launcher/tests/DrillPlay.h>
#include <training/window/tests/LauncherFixture.h>

#include <places/PlayerFolders.h>
#include <study/ProgressBook.h>
#include <study/StudyRecord.h>
#include <testsupport/PlayerHome.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

namespace {

const QString kSeven = QStringLiteral("7 lettres");
const QHash<QString, QString> kFirstTwo = {{QStringLiteral("D000"), QStringLiteral("S000")},
                                           {QStringLiteral("D001"), QStringLiteral("S001")}};
const QHash<QString, QString> kLastThree = {{QStringLiteral("D002"), QStringLiteral("S002")},
                                            {QStringLiteral("D003"), QStringLiteral("S003")},
                                            {QStringLiteral("D004"), QStringLiteral("S004")}};

// Whether the player's study record holds a drill under way on "7 lettres", read beside the
// launcher's own connection.
bool sevenUnderWay()
{
    study::StudyRecord record;
    if (!record.open(places::PlayerFolders::studyRecord()).ok())
        return false;
    const auto kept = study::ProgressBook(record).find("ods6new_7L.txt");
    return kept.ok() && kept->has_value();
}

// "7 lettres" of five entries, two found in a first series, then back to the launcher.
void playTwoAndLeave(LauncherFixture& program)
{
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    answer(program.ui(), kFirstTwo);
    program.ui().button("corriger")->click();
    program.ui().button("quitter")->click();
    QVERIFY(sevenUnderWay());
}

}  // namespace

class ResumeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void aListWithoutProgressAsksNothing();
    void returnResumesWithTheEntriesLeft();
    void answers_data();
    void answers();
    void aChangedListIsStartedAfresh();
    void theLauncherShowsWhereListsStand();
    void anUnknownTitleClearsTheProgressLine();
    void resumingKeepsTheWindowsCriterion_data();
    void resumingKeepsTheWindowsCriterion();
    void optionsComeBackAtTheNextRun();
    void progressSurvivesAKilledProgram();
};

// Every test starts with a player who has kept nothing.
void ResumeTest::init()
{
    testsupport::forgetPlayersFiles();
}

void ResumeTest::aListWithoutProgressAsksNothing()
{
    LauncherFixture program(3);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    QVERIFY(!program.launcherControls().get<QMessageBox>("reprise")->isVisible());
    QCOMPARE(program.ui().box("motsleft")->text(), QStringLiteral("5"));
}

// Return takes "Reprendre": only the entries left, the counters as they were, and finding them
// ends the drill and forgets its progress.
void ResumeTest::returnResumesWithTheEntriesLeft()
{
    LauncherFixture program(3);
    playTwoAndLeave(program);
    QVERIFY(!program.launch(kSeven, 0));
    auto* question = program.launcherControls().get<QMessageBox>("reprise");
    QVERIFY(question->isVisible());
    QCOMPARE(program.launcherControls().button("reprendre")->text(),
             QStringLiteral("Reprendre là où vous en étiez (3 tirages restants sur 5, 1 série)"));
    QTest::keyClick(question, Qt::Key_Return);

    const auto& ui = program.ui();
    QVERIFY(program.form().isVisible());
    QVERIFY(!program.launcher.isVisible());
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("3"));
    QStringList shown = drawsShown(ui);
    shown.sort();
    QCOMPARE(shown, QStringList({"D002", "D003", "D004"}));
    QCOMPARE(ui.label("nbseries")->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("3"));
    answer(ui, kLastThree);
    ui.button("corriger")->click();
    QCOMPARE(ui.button("Command1", 0)->text(), QStringLiteral(" "));
    QVERIFY(program.form().logic().isFinished());
    QVERIFY(!sevenUnderWay());
}

void ResumeTest::answers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("drillStarted");
    QTest::addColumn<QString>("entriesLeft");
    QTest::addColumn<bool>("recordKept");
    QTest::newRow("Esc stays in the launcher") << "Esc" << false << "" << true;
    QTest::newRow("Annuler stays in the launcher") << "annulerReprise" << false << "" << true;
    QTest::newRow("Recommencer starts the whole list") << "recommencer" << true << "5" << false;
    QTest::newRow("Reprendre") << "reprendre" << true << "3" << true;
}

void ResumeTest::answers()
{
    QFETCH(QString, answer);
    LauncherFixture program(3);
    playTwoAndLeave(program);
    QVERIFY(!program.launch(kSeven, 0));
    auto* question = program.launcherControls().get<QMessageBox>("reprise");
    if (answer == QLatin1String("Esc"))
        QTest::keyClick(question, Qt::Key_Escape);
    else
        program.launcherControls().button(answer)->click();
    QVERIFY(!question->isVisible());
    QTEST(program.form().isVisible(), "drillStarted");
    QCOMPARE(program.launcher.isVisible(), !program.form().isVisible());
    if (program.form().isVisible())
        QTEST(program.ui().box("motsleft")->text(), "entriesLeft");
    QTEST(sevenUnderWay(), "recordKept");
}

// Progress belongs to the file it was made on: a list made again is drilled whole.
void ResumeTest::aChangedListIsStartedAfresh()
{
    LauncherFixture program(3);
    playTwoAndLeave(program);
    program.writeList(kSeven, 0, ListFolder::entries(6));
    QVERIFY(program.launch(kSeven, 0));
    QCOMPARE(program.ui().box("motsleft")->text(), QStringLiteral("6"));
    QVERIFY(!sevenUnderWay());
}

void ResumeTest::theLauncherShowsWhereListsStand()
{
    LauncherFixture program(3);
    playTwoAndLeave(program);
    QVERIFY(program.launcher.isVisible());
    auto* progression = program.launcherControls().label("progression");
    QVERIFY(progression->isVisible());
    QCOMPARE(progression->text(), QStringLiteral("7 lettres : 3 tirages restants sur 5"));
    QComboBox* first = program.box(0);
    const QFont underWay = first->itemData(first->findText(kSeven), Qt::FontRole).value<QFont>();
    QVERIFY(underWay.bold());
    QCOMPARE(first->itemData(first->findText(kSeven), Qt::ToolTipRole).toString(),
             progression->text());
    QVERIFY(!first->itemData(first->findText(QStringLiteral("6 lettres")), Qt::FontRole).isValid());
    program.pick(0, first->findText(QStringLiteral("6 lettres")));
    QVERIFY(!progression->isVisible());
}

// A title typed over the chosen one that names no list has no progress to show.
void ResumeTest::anUnknownTitleClearsTheProgressLine()
{
    LauncherFixture program(3);
    playTwoAndLeave(program);
    auto* progression = program.launcherControls().label("progression");
    QVERIFY(progression->isVisible());
    program.box(0)->setEditText(QStringLiteral("7 lettres bis"));  // typed over "7 lettres"
    program.launcherControls().button("Command1")->click();
    QCOMPARE(program.launcherControls().label("message")->text(),
             QStringLiteral("Liste inconnue : 7 lettres bis"));
    QVERIFY(!progression->isVisible());
}

void ResumeTest::resumingKeepsTheWindowsCriterion_data()
{
    QTest::addColumn<QString>("playedUnder");  // the threshold of successes of the first drill
    QTest::addColumn<bool>("bySpeed");         // the window's criterion at the resume...
    QTest::addColumn<QString>("threshold");    // ...and its threshold
    QTest::addColumn<QString>("entriesLeft");
    QTest::addColumn<QString>("said");  // what the question says of the counts' criterion
    const QString madeUnderTwo =
        QStringLiteral("Ses réussites ont été comptées sous « Eliminer un mot après 2 réussites. » "
                       "; la reprise garde votre critère : « %1 »");
    QTest::newRow("counted under 2 successes, resumed by speed in 8 s")
        << "2" << true << "8"
        << "5"
        << madeUnderTwo.arg(QStringLiteral("Eliminer un mot trouvé en moins de 8 secondes."));
    QTest::newRow("counted under 2 successes, resumed under 3")
        << "2" << false << "3"
        << "5" << madeUnderTwo.arg(QStringLiteral("Eliminer un mot après 3 réussites."));
    QTest::newRow("counted under 2 successes, resumed under the same") << "2" << false << "2"
                                                                       << "5"
                                                                       << "";
    QTest::newRow("no count left, resumed by speed in 8 s") << "1" << true << "8"
                                                            << "3"
                                                            << "";
}

// The criterion, the threshold, the clocks and the faces are the window's, the player's latest
// choice; the record brings back only the list's entries, counts, counters and clock.
void ResumeTest::resumingKeepsTheWindowsCriterion()
{
    QFETCH(QString, playedUnder);
    QFETCH(bool, bySpeed);
    QFETCH(QString, threshold);
    LauncherFixture program(3);
    const auto& ui = program.ui();
    ui.box("seuiltxt")->setText(playedUnder);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    answer(ui, kFirstTwo);
    ui.button("corriger")->click();
    // The player's latest choice, made before the drill is left and its record written.
    if (bySpeed)
        ui.button("Command4")->click();
    ui.box("seuiltxt")->setText(threshold);
    ui.button("quitter")->click();

    QVERIFY(!program.launch(kSeven, 0));
    auto* question = program.launcherControls().get<QMessageBox>("reprise");
    QTEST(question->informativeText(), "said");
    program.launcherControls().button("reprendre")->click();
    QTEST(ui.box("motsleft")->text(), "entriesLeft");
    QCOMPARE(ui.label("Label6")->text(),
             bySpeed ? QStringLiteral("secondes.") : QStringLiteral("réussites."));
    QCOMPARE(ui.box("seuiltxt")->text(), threshold);
    QCOMPARE(program.form().logic().state().threshold, threshold.toDouble());
    QCOMPARE(program.form().logic().state().criterion,
             bySpeed ? drill::Criterion::BySpeed : drill::Criterion::BySuccesses);
}

// Criterion, threshold, faces and clocks as the player left them, at the next run.
void ResumeTest::optionsComeBackAtTheNextRun()
{
    {
        LauncherFixture first(3);
        const auto& ui = first.ui();
        ui.button("Command4")->click();
        ui.box("seuiltxt")->setText(QStringLiteral("9"));
        for (int click = 0; click < 3; ++click)
            ui.button("Command3")->click();
        QTest::mouseClick(ui.get<QCheckBox>("Check1"), Qt::LeftButton);
    }
    LauncherFixture next(3, true);
    const auto& ui = next.ui();
    QCOMPARE(ui.label("Label6")->text(), QStringLiteral("secondes."));
    QCOMPARE(ui.box("seuiltxt")->text(), QStringLiteral("9"));
    QCOMPARE(next.form().logic().state().threshold, 9.0);
    QCOMPARE(ui.label("police")->text(), QStringLiteral("4"));
    QCOMPARE(ui.box("tirage", 0)->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY(!ui.get<QCheckBox>("Check1")->isChecked());
    QVERIFY(ui.box("temps")->isHidden());
}

// The record written at a correction is whole when the program is killed right after it.
void ResumeTest::progressSurvivesAKilledProgram()
{
    ListFolder folder;
    folder.write(QStringLiteral("ods6new_7L.txt"), ListFolder::entries(5));
    QProcess child;
    child.setWorkingDirectory(folder.path());
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/progress_child"));
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(60000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("corrigé"));
    child.kill();
    QVERIFY(child.waitForFinished());

    LauncherFixture program(3, true);
    QVERIFY(QDir::setCurrent(folder.path()));  // the child's working folder, its very list
    QVERIFY(!program.launch(kSeven, 0));
    QTest::keyClick(program.launcherControls().get<QMessageBox>("reprise"), Qt::Key_Return);
    QCOMPARE(program.ui().box("motsleft")->text(), QStringLiteral("3"));
    answer(program.ui(), kLastThree);
    program.ui().button("corriger")->click();
    QVERIFY(program.form().logic().isFinished());
}

QTEST_MAIN(ResumeTest)
#include "ResumeTest.moc"
