// The review of the day from the launcher: its line and button, Ctrl+R, the right-click menu's
// « Apprendre cette liste » and « Ne plus réviser cette liste », and « Options de révision »,
// against a study record in memory.
#include <launcher/ReviewOptionsDialog.h>
#include <launcher/tests/DrillPlay.h>
#include <training/window/tests/LauncherFixture.h>

#include <launcher/MessageBand.h>
#include <testsupport/FakeStudy.h>
#include <testsupport/WindowLayout.h>
#include <training/progress/DrillOptions.h>
#include <training/progress/ReviewOptions.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <algorithm>

using testsupport::FakeStudy;
using testsupport::WindowLayout;
using testsupport::WindowProbe;

namespace {

const QString kSeven = QStringLiteral("7 lettres");
const std::string kSevenFile = "ods6new_7L.txt";

// `count` cards "D<n>;S<n>" of the 7-letter list due on `day`, numbered from `first`.
void addCards(FakeStudy& study, int first, int count, std::int32_t day)
{
    for (int n = first; n < first + count; ++n) {
        const std::string number =
            QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')).toStdString();
        study.deck.push_back({{kSevenFile, "D" + number, "S" + number}, day});
    }
}

QString lineOf(const LauncherFixture& program)
{
    return program.launcherUi.label("revisions")->text();
}

QString messageOf(const LauncherFixture& program)
{
    return program.launcherUi.label("message")->toolTip();
}

// The right-click menu the player opens: on the text of box `box`, or on the window (-1).
QMenu* openMenu(LauncherFixture& program, int box)
{
    QWidget* target =
        box < 0 ? static_cast<QWidget*>(&program.launcher) : program.box(box)->lineEdit();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                            target->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(target, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* entryOf(QMenu* menu, const QString& name)
{
    for (QAction* action : menu->actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void closeMenu(QMenu* menu)
{
    menu->close();
    QCoreApplication::processEvents();
}

}  // namespace

class ReviewLauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { testsupport::forgetPlayersFiles(); }
    void lineSaysWhatIsDue_data();
    void lineSaysWhatIsDue();
    void withoutARecordTheLineSaysWhy_data();
    void withoutARecordTheLineSaysWhy();
    void lineAndButtonStandInTheirPlace();
    void buttonAndKeysOpenTheReview_data();
    void buttonAndKeysOpenTheReview();
    void missedInAListComeBackInTheReview();
    void learnAndStopFromTheMenu_data();
    void learnAndStopFromTheMenu();
    void noListChosenLearnsNothing();
    void optionsTypedAndKept_data();
    void optionsTypedAndKept();
};

void ReviewLauncherTest::lineSaysWhatIsDue_data()
{
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("tomorrow");
    QTest::addColumn<QString>("line");
    QTest::newRow("none") << 0 << 0 << "Révisions du jour : 0 tirage";
    QTest::newRow("one") << 1 << 0 << "Révisions du jour : 1 tirage";
    QTest::newRow("three") << 3 << 0 << "Révisions du jour : 3 tirages";
    QTest::newRow("three, two tomorrow") << 3 << 2 << "Révisions du jour : 3 tirages — demain : 2";
    QTest::newRow("none, one tomorrow") << 0 << 1 << "Révisions du jour : 0 tirage — demain : 1";
}

// The line counts the deck as the record says it at start, in French, the plural from two on.
void ReviewLauncherTest::lineSaysWhatIsDue()
{
    QFETCH(int, today);
    QFETCH(int, tomorrow);
    QFETCH(QString, line);
    FakeStudy study;
    addCards(study, 0, today, 0);
    addCards(study, 100, tomorrow, 1);
    addCards(study, 200, 4, 5);  // due later, counted nowhere
    LauncherFixture program(3);
    program.launcher.setStudy(&study);
    QCOMPARE(lineOf(program), line);
    QVERIFY(program.launcherUi.button("reviser")->isEnabled());
}

void ReviewLauncherTest::withoutARecordTheLineSaysWhy_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("line");
    QTest::newRow("not opened") << false << "Révisions indisponibles : etude.sqlite illisible";
    QTest::newRow("opened, failing") << true << "Révisions indisponibles : disque plein";
}

// A record that could not be opened greys « Réviser », and Ctrl+R says why in the message
// band; one that fails to count still opens the review, which says why it cannot.
void ReviewLauncherTest::withoutARecordTheLineSaysWhy()
{
    QFETCH(bool, opened);
    QFETCH(QString, line);
    FakeStudy study;
    study.failing = "disque plein";
    LauncherFixture program(3);
    program.launcher.setStudy(opened ? &study : nullptr, QStringLiteral("etude.sqlite illisible"));
    QCOMPARE(lineOf(program), line);
    QCOMPARE(program.launcherUi.button("reviser")->isEnabled(), opened);
    QTest::keyClick(&program.launcher, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(program.launcher.isVisible());
    QVERIFY(!program.form().isVisible());
    QCOMPARE(messageOf(program),
             opened ? QStringLiteral("Révisions impossibles : disque plein.") : line);
}

// The line and its button stand in the free row above the progress line, aligned with the
// designed controls; the longest line is cut to its width and said whole in its tooltip.
void ReviewLauncherTest::lineAndButtonStandInTheirPlace()
{
    FakeStudy study;
    addCards(study, 0, 1, 0);
    LauncherFixture program(3);
    program.launcher.setStudy(&study, QString());
    const WindowProbe& ui = program.launcherUi;
    QLabel* line = ui.label("revisions");
    QPushButton* button = ui.button("reviser");
    QCOMPARE(button->text(), QStringLiteral("&Réviser"));
    QCOMPARE(button->geometry().right(), ui.button("quitter")->geometry().right());
    QCOMPARE(line->x(), ui.get<QWidget>("Label3(0)")->x());
    QCOMPARE(line->geometry().center().y(), button->geometry().center().y());
    QVERIFY(line->geometry().right() < button->x());
    QVERIFY(ui.get<QWidget>("message")->geometry().bottom() < line->y()
            || ui.get<QWidget>("message")->isHidden());
    QCOMPARE(WindowLayout::overlaps(program.launcher, {}), QStringList());

    program.launcher.setStudy(
        nullptr,
        QStringLiteral("le fichier %1 ne peut être ouvert").arg(QString(40, QLatin1Char('x'))));
    QVERIFY(line->toolTip().endsWith(QString(40, QLatin1Char('x'))
                                     + QStringLiteral(" ne peut être ouvert")));
    QVERIFY(line->text().endsWith(QChar(0x2026)));
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
}

void ReviewLauncherTest::buttonAndKeysOpenTheReview_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("the button") << "button";
    QTest::newRow("Ctrl+R") << "Ctrl+R";
    QTest::newRow("Alt+R, the button's letter") << "Alt+R";
}

// The training window opens on the draws due, under « Révisions du jour », no resume question
// asked; the launcher hides until the player leaves, and its line then counts again.
void ReviewLauncherTest::buttonAndKeysOpenTheReview()
{
    QFETCH(QString, how);
    FakeStudy study;
    addCards(study, 0, 3, 0);
    addCards(study, 10, 2, 3);
    LauncherFixture program(3);
    program.launcher.setStudy(&study);
    program.launcher.activateWindow();
    QCoreApplication::processEvents();
    QPushButton* button = program.launcherUi.button("reviser");
    if (how == QLatin1String("Alt+R")) {
        // The button's letter presses it as a click of the mouse would, seen down; Qt lets it
        // up and clicks a tenth of a second later.
        QTest::keyClick(&program.launcher, Qt::Key_R, Qt::AltModifier);
        QVERIFY(button->isDown());
        return;
    }
    if (how == QLatin1String("button"))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QTest::keyClick(&program.launcher, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(program.form().isVisible());
    QVERIFY(!program.launcher.isVisible());
    QCOMPARE(program.ui().label("Label7")->text(), QStringLiteral("Révisions du jour"));
    QStringList draws = drawsShown(program.ui());
    draws.sort();
    QCOMPARE(draws, (QStringList{"D000", "D001", "D002"}));
    answer(program.ui(), {{"D000", "S000"}});
    program.ui().button("corriger")->click();
    program.ui().button("quitter")->click();
    QVERIFY(program.launcher.isVisible());
    QCOMPARE(lineOf(program), QStringLiteral("Révisions du jour : 2 tirages — demain : 1"));
}

// As a player: a 5-entry list, 2 found and 3 missed, corrected and left: 3 draws to review;
// the review shows those 3, finding them ends it, and the line says 0. The review keeps no
// progress of its own: only the list stays under way in the box.
void ReviewLauncherTest::missedInAListComeBackInTheReview()
{
    FakeStudy study;
    LauncherFixture program(3);
    program.launcher.setStudy(&study);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    QVERIFY(program.launch(kSeven, 0));
    answer(program.ui(), {{"D000", "S000"}, {"D003", "S003"}});
    program.ui().button("corriger")->click();
    program.ui().button("quitter")->click();
    QCOMPARE(lineOf(program), QStringLiteral("Révisions du jour : 3 tirages"));

    QTest::mouseClick(program.launcherUi.button("reviser"), Qt::LeftButton);
    QStringList draws = drawsShown(program.ui());
    draws.sort();
    QCOMPARE(draws, (QStringList{"D001", "D002", "D004"}));
    answer(program.ui(), {{"D001", "S001"}, {"D002", "S002"}, {"D004", "S004"}});
    program.ui().button("corriger")->click();
    QString tiles;
    for (int k = 0; k < training::Form1::kTiles; ++k)
        tiles += program.ui().button("Command1", k)->text();
    QCOMPARE(tiles, QStringLiteral(" BRAVO! "));
    program.ui().button("quitter")->click();
    QCOMPARE(lineOf(program), QStringLiteral("Révisions du jour : 0 tirage — demain : 3"));
    for (int item = 0; item < program.box(0)->count(); ++item)
        QCOMPARE(program.box(0)->itemData(item, Qt::FontRole).isValid(),
                 program.box(0)->itemText(item) == kSeven);
}

void ReviewLauncherTest::learnAndStopFromTheMenu_data()
{
    QTest::addColumn<int>("menuOn");  // the box whose text is right-clicked; -1: the window
    QTest::newRow("on the box's text") << 0;
    QTest::newRow("on the window, the list chosen") << -1;
}

// « Apprendre cette liste » reads the list as LANCER does and puts its entries in the deck in
// its order, the new ones a day entering the review; « Ne plus réviser cette liste » takes them
// out. Each time the one that applies is offered, the other greyed, and the message band says
// what was done.
void ReviewLauncherTest::learnAndStopFromTheMenu()
{
    QFETCH(int, menuOn);
    {
        training::ReviewOptions options;
        options.policy.newPerDay = 2;
        options.write(training::DrillOptions::playerFile());
    }
    FakeStudy study;
    LauncherFixture program(3, true);
    program.launcher.setStudy(&study);
    program.writeList(kSeven, 0, ListFolder::entries(5));
    program.pick(0, program.box(0)->findText(kSeven));

    QMenu* menu = openMenu(program, menuOn);
    QVERIFY(menu);
    QAction* learn = entryOf(menu, QStringLiteral("apprendreListe"));
    QVERIFY(learn && learn->isEnabled());
    QCOMPARE(learn->text(), QStringLiteral("Apprendre cette liste (7 lettres)"));
    QVERIFY(!entryOf(menu, QStringLiteral("oublierListe"))->isEnabled());
    learn->trigger();
    closeMenu(menu);
    QVERIFY(study.learning.count(kSevenFile));
    QCOMPARE(study.deck.size(), std::size_t(5));
    for (int n = 0; n < 5; ++n)
        QCOMPARE(study.deck[static_cast<std::size_t>(n)].draw.draw, "D00" + std::to_string(n));
    QCOMPARE(messageOf(program),
             QStringLiteral("« 7 lettres » entre dans vos révisions : 5 tirages, dans l'ordre de "
                            "la liste, au plus 2 nouveaux par jour."));
    QCOMPARE(lineOf(program), QStringLiteral("Révisions du jour : 2 tirages — demain : 2"));

    menu = openMenu(program, menuOn);
    QVERIFY(!entryOf(menu, QStringLiteral("apprendreListe"))->isEnabled());
    QAction* stop = entryOf(menu, QStringLiteral("oublierListe"));
    QVERIFY(stop->isEnabled());
    stop->trigger();
    closeMenu(menu);
    QVERIFY(study.learning.empty());
    QCOMPARE(messageOf(program),
             QStringLiteral("« 7 lettres » n'est plus révisée ; vos réponses à ses tirages "
                            "restent dans votre relevé d'étude."));
    QCOMPARE(lineOf(program), QStringLiteral("Révisions du jour : 0 tirage"));
}

// Before any list is chosen the window's menu offers neither, and says why.
void ReviewLauncherTest::noListChosenLearnsNothing()
{
    FakeStudy study;
    LauncherFixture program(3);
    program.launcher.setStudy(&study);
    QMenu* menu = openMenu(program, -1);
    QVERIFY(menu);
    for (const char* name : {"apprendreListe", "oublierListe"}) {
        QAction* entry = entryOf(menu, QString::fromLatin1(name));
        QVERIFY(!entry->isEnabled());
        QCOMPARE(entry->toolTip(),
                 QStringLiteral("Choisissez d'abord une liste dans l'une des deux boîtes."));
    }
    QVERIFY(entryOf(menu, QStringLiteral("optionsRevision"))->isEnabled());
    closeMenu(menu);
}

void ReviewLauncherTest::optionsTypedAndKept_data()
{
    QTest::addColumn<QString>("retention");
    QTest::addColumn<QString>("perDay");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("keptRetention");  // 0: nothing kept
    QTest::addColumn<int>("keptPerDay");
    QTest::addColumn<QString>("refusal");
    const QString retentionRefused = QStringLiteral(
        "La réussite visée doit être un nombre de 70 à 99 (pour cent) : « %1 » n'est pas pris.");
    const QString perDayRefused = QStringLiteral(
        "Le nombre de nouveaux tirages par jour doit être un nombre entier de 0 à 9999 : « %1 » "
        "n'est pas pris.");
    QTest::newRow("within range") << "85"
                                  << "20" << int(Qt::Key_Return) << 0.85 << 20 << "";
    QTest::newRow("lowest") << "70"
                            << "0" << int(Qt::Key_Return) << 0.70 << 0 << "";
    QTest::newRow("highest, keypad Enter") << "99"
                                           << "9999" << int(Qt::Key_Enter) << 0.99 << 9999 << "";
    QTest::newRow("retention too low")
        << "69"
        << "20" << int(Qt::Key_Return) << 0.0 << 0 << retentionRefused.arg("69");
    QTest::newRow("retention as a fraction")
        << "0,9"
        << "20" << int(Qt::Key_Return) << 0.0 << 0 << retentionRefused.arg("0,9");
    QTest::newRow("too many a day")
        << "85"
        << "10000" << int(Qt::Key_Return) << 0.0 << 0 << perDayRefused.arg("10000");
    QTest::newRow("negative a day")
        << "85"
        << "-1" << int(Qt::Key_Return) << 0.0 << 0 << perDayRefused.arg("-1");
    QTest::newRow("Esc") << "85"
                         << "20" << int(Qt::Key_Escape) << 0.0 << 0 << "";
}

// With the keyboard alone: the menu's entry opens the dialog on the first box, Tab goes to the
// second, Enter saves (the record takes the options, the next start reads them), Esc leaves
// them as they were; a value out of range is refused with a sentence, the dialog left open on
// that box.
void ReviewLauncherTest::optionsTypedAndKept()
{
    QFETCH(QString, retention);
    QFETCH(QString, perDay);
    QFETCH(int, key);
    QFETCH(double, keptRetention);
    QFETCH(int, keptPerDay);
    QFETCH(QString, refusal);
    FakeStudy study;
    {
        LauncherFixture program(3);
        program.launcher.setStudy(&study);
        QMenu* menu = openMenu(program, -1);
        entryOf(menu, QStringLiteral("optionsRevision"))->trigger();
        closeMenu(menu);
        launcher::ReviewOptionsDialog& dialog = program.launcher.reviewOptionsForm();
        QVERIFY(dialog.isVisible());
        const WindowProbe ui(dialog);
        QCOMPARE(WindowLayout::tabWalk(dialog), WindowLayout::byTabIndex(dialog));
        QCOMPARE(ui.box("retention")->text(), QStringLiteral("90"));
        QCOMPARE(ui.box("nouveaux")->text(), QStringLiteral("50"));
        QCOMPARE(dialog.focusWidget(), ui.box("retention"));
        QTest::keyClicks(dialog.focusWidget(), retention);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), ui.box("nouveaux"));
        QTest::keyClicks(dialog.focusWidget(), perDay);
        QTest::keyClick(dialog.focusWidget(), Qt::Key(key));
        QCOMPARE(dialog.isVisible(), !refusal.isEmpty());
        QCOMPARE(ui.label("refus")->isVisible(), !refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QCOMPARE(ui.label("refus")->text(), refusal);
            QCOMPARE(
                dialog.focusWidget(),
                ui.box(refusal.startsWith(QLatin1String("Le nombre")) ? "nouveaux" : "retention"));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        }
    }
    const bool kept = keptRetention > 0;
    QCOMPARE(study.policy().desiredRetention, kept ? keptRetention : 0.90);
    QCOMPARE(study.policy().newPerDay, kept ? keptPerDay : 50);
    LauncherFixture again(3, true);
    QCOMPARE(again.launcher.reviewOptions().policy.desiredRetention, kept ? keptRetention : 0.90);
    QCOMPARE(again.launcher.reviewOptions().policy.newPerDay, kept ? keptPerDay : 50);
    FakeStudy next;
    again.launcher.setStudy(&next);
    QCOMPARE(next.policy().newPerDay, kept ? keptPerDay : 50);
}

QTEST_MAIN(ReviewLauncherTest)
#include "ReviewLauncherTest.moc"
