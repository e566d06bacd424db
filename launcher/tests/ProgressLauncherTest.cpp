// « Mes progrès » as the player reaches it: Ctrl+P or the right-click menu of the launcher,
// after a drill, and a list started from it as LANCER starts it.
#include <launcher/tests/DrillPlay.h>
#include <training/window/tests/LauncherFixture.h>

#include <files/FileSystem.h>
#include <places/PlayerFolders.h>
#include <progress/window/ProgressWindow.h>
#include <testsupport/PlayerHome.h>
#include <testsupport/WindowProbe.h>

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QString kFive = QStringLiteral("5 lettres");

void forgetRecord()
{
    testsupport::forgetPlayersFiles();
    files::removeFolder(places::PlayerFolders::studyRecord());
}

// The row of `title` in the lists of « Mes progrès », its cells' texts.
QStringList listRow(progress::ProgressWindow& window, const QString& title)
{
    auto* lists = testsupport::WindowProbe(window).get<QTableWidget>(QStringLiteral("listes"));
    for (int r = 0; r < lists->rowCount(); ++r) {
        if (lists->item(r, 0)->text() != title)
            continue;
        QStringList cells;
        for (int c = 0; c < lists->columnCount(); ++c)
            cells << lists->item(r, c)->text();
        lists->setCurrentCell(r, 0);
        return cells;
    }
    return {};
}

// A drill of a list of five: the first two found, the other three missed, corrected, then back
// to the launcher.
bool twoFoundThreeMissed(LauncherFixture& program)
{
    program.writeList(kFive, 0, ListFolder::entries(5));
    if (!program.launch(kFive, 0))
        return false;
    answer(program.ui(),
           {{QStringLiteral("D000"), QStringLiteral("S000")},
            {QStringLiteral("D001"), QStringLiteral("S001")}});
    program.ui().button("corriger")->click();
    QTest::mouseClick(program.ui().button("quitter"), Qt::LeftButton);
    return true;
}

}  // namespace

class ProgressLauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { forgetRecord(); }
    void cleanup() { forgetRecord(); }
    void ctrlPShowsTheDrillJustMadeAndLancerStartsItsList();
    void theRightClickMenuOffersIt();
    void reviserCesTiragesDrillsTheDrawsMissed();
    void aReviewCountsWithItsList();
};

// Two found and three missed on a list of five, then Ctrl+P in the launcher.
void ProgressLauncherTest::ctrlPShowsTheDrillJustMadeAndLancerStartsItsList()
{
    LauncherFixture program(3);
    QVERIFY(twoFoundThreeMissed(program));
    QVERIFY(program.launcher.isVisible());

    program.launcher.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.launcher));
    QTest::keyClick(&program.launcher, Qt::Key_P, Qt::ControlModifier);
    auto* window = program.launcher.findChild<progress::ProgressWindow*>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Mes progrès"));
    const QStringList cells = listRow(*window, kFive);
    QCOMPARE(cells.mid(1, 8),
             QStringList({"5", "2", "0", "1", "5", QStringLiteral("40\u00A0%"), "3", cells.at(8)}));
    QCOMPARE(window->missedDraws().size(), std::size_t(3));

    // LANCER there asks, as the launcher's own does, whether to resume the drill under way.
    auto* lists = testsupport::WindowProbe(*window).get<QTableWidget>(QStringLiteral("listes"));
    lists->setFocus();
    QTest::keyClick(lists, Qt::Key_Return);
    QVERIFY(!window->isVisible());
    QVERIFY(program.launcherControls().get<QMessageBox>("reprise")->isVisible());
    QCOMPARE(program.box(0)->currentText(), kFive);
}

void ProgressLauncherTest::theRightClickMenuOffersIt()
{
    LauncherFixture program(3);
    auto* entry = program.launcherControls().get<QAction>("mesProgres");
    QCOMPARE(entry->text(), QStringLiteral("Mes progrès…"));
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    entry->trigger();
    auto* window = program.launcher.findChild<progress::ProgressWindow*>();
    QVERIFY(window && window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

// « Réviser ces tirages »: the three draws missed, and only them, drilled at once as a review.
void ProgressLauncherTest::reviserCesTiragesDrillsTheDrawsMissed()
{
    LauncherFixture program(3);
    QVERIFY(twoFoundThreeMissed(program));
    program.launcherControls().get<QAction>("mesProgres")->trigger();
    auto* window = program.launcher.findChild<progress::ProgressWindow*>();
    QVERIFY(window && window->isVisible());
    auto* reviser = testsupport::WindowProbe(*window).get<QPushButton>(QStringLiteral("reviser"));
    QVERIFY(reviser->isEnabled());
    reviser->click();

    QVERIFY(!window->isVisible());
    QVERIFY(program.form().isVisible());
    QCOMPARE(program.ui().label("Label7")->text(), QStringLiteral("Révisions du jour"));
    const drill::DrillState& state = program.form().logic().state();
    std::vector<std::string> draws(state.draws.begin(), state.draws.begin() + state.entryCount);
    std::sort(draws.begin(), draws.end());
    QCOMPARE(draws, (std::vector<std::string>{"D002", "D003", "D004"}));
}

// The three missed, then found in the review: the list's row counts the eight answers, five of
// them found, and the three draws stay among those missed most.
void ProgressLauncherTest::aReviewCountsWithItsList()
{
    LauncherFixture program(3);
    QVERIFY(twoFoundThreeMissed(program));
    program.launcherControls().get<QPushButton>("reviser")->click();
    QVERIFY(program.form().isVisible());
    answer(program.ui(),
           {{QStringLiteral("D002"), QStringLiteral("S002")},
            {QStringLiteral("D003"), QStringLiteral("S003")},
            {QStringLiteral("D004"), QStringLiteral("S004")}});
    program.ui().button("corriger")->click();
    QVERIFY(program.form().logic().isFinished());
    QTest::mouseClick(program.ui().button("quitter"), Qt::LeftButton);

    program.launcherControls().get<QAction>("mesProgres")->trigger();
    auto* window = program.launcher.findChild<progress::ProgressWindow*>();
    QVERIFY(window && window->isVisible());
    const QStringList cells = listRow(*window, kFive);
    QVERIFY(!cells.isEmpty());
    QCOMPARE(cells.at(1), QStringLiteral("5"));            // entries
    QCOMPARE(cells.at(5), QStringLiteral("8"));            // answers
    QCOMPARE(cells.at(6), QStringLiteral("62,5\u00A0%"));  // found
    QCOMPARE(window->missedDraws().size(), std::size_t(3));
}

QTEST_MAIN(ProgressLauncherTest)
#include "ProgressLauncherTest.moc"
