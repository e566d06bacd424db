// The review of the day in the training window, and a found answer counted as missed, against
// a study record in memory.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>
#include <testsupport/FakeStudy.h>
#include <testsupport/PlayerHome.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <set>

using testsupport::FakeStudy;
using training::Form1;

namespace {

const std::string kSeven = "ods6new_7L.txt";
const std::string kFive = "ods6new_5L.txt";

// Draws "D<n>" answered "S<n>", due today, from `lists` in turn.
void addDue(FakeStudy& study, int count, const std::vector<std::string>& lists)
{
    for (int n = 0; n < count; ++n) {
        const std::string number =
            QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')).toStdString();
        study.deck.push_back(
            {{lists[static_cast<std::size_t>(n) % lists.size()], "D" + number, "S" + number},
             study.today});
    }
}

study::DeckDraw deckDraw(const std::string& list, const QString& draw)
{
    return {list, draw.toStdString(), QString(draw).replace(0, 1, QLatin1Char('S')).toStdString()};
}

// The draws the series shows.
std::set<QString> shown(const DrillFixture& drill)
{
    std::set<QString> draws;
    for (int slot = 0; slot < drill::kSlots; ++slot)
        if (!drill.tirage(slot)->text().isEmpty())
            draws.insert(drill.tirage(slot)->text());
    return draws;
}

QString tiles(const DrillFixture& drill)
{
    QString text;
    for (int k = 0; k < Form1::kTiles; ++k)
        text += drill.ui().button("Command1", k)->text();
    return text;
}

// The right-click menu of an answer box, as the player opens it; null when none opened.
QMenu* openAnswerMenu(const DrillFixture& drill, int slot)
{
    QLineEdit* box = drill.solution(slot);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), box->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(box, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// « Compter comme raté » from the menu of `slot`'s box when it is offered; false when greyed.
bool countFromMenu(const DrillFixture& drill, int slot)
{
    QMenu* menu = openAnswerMenu(drill, slot);
    if (!menu)
        return false;
    QAction* entry = menu->findChild<QAction*>(QStringLiteral("compterRate"));
    if (!entry)
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("compterRate"))
                entry = action;
    const bool offered = entry && entry->isEnabled();
    if (offered)
        entry->trigger();
    menu->close();
    QCoreApplication::processEvents();
    return offered;
}

}  // namespace

class ReviewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::forgetPlayersFiles(); }
    void foundLeavesMissedComesBackUntilBravo_data();
    void foundLeavesMissedComesBackUntilBravo();
    void sameDrawOfTwoListsIsTwoDraws();
    void nothingToReview_data();
    void nothingToReview();
    void countAsMissed_data();
    void countAsMissed();
    void countedDrawComesBackInTheReview_data();
    void countedDrawComesBackInTheReview();
};

void ReviewTest::foundLeavesMissedComesBackUntilBravo_data()
{
    QTest::addColumn<bool>("bySpeed");
    QTest::addColumn<QString>("threshold");
    QTest::newRow("found once, the design's criterion") << false << QStringLiteral("1");
    QTest::newRow("found three times") << false << QStringLiteral("3");
    QTest::newRow("by speed") << true << QStringLiteral("5");
}

// Whatever criterion the player keeps: two found of three leave, the missed one comes back
// alone, and found it ends the review as a finished list ends. Each answer is recorded
// against the list its draw came from.
void ReviewTest::foundLeavesMissedComesBackUntilBravo()
{
    QFETCH(bool, bySpeed);
    QFETCH(QString, threshold);
    FakeStudy study;
    addDue(study, 3, {kSeven, kFive});
    DrillFixture drill;
    const testsupport::WindowProbe& ui = drill.ui();
    if (bySpeed)
        ui.button("Command4")->click();
    ui.box("seuiltxt")->setText(threshold);
    drill.form->setStudy(&study);
    QVERIFY(drill.form->reviser());
    QCOMPARE(ui.label("Label7")->text(), QStringLiteral("Révisions du jour"));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("3"));
    QCOMPARE(shown(drill), (std::set<QString>{"D000", "D001", "D002"}));

    drill.answerAll();
    drill.solution(drill.slotOf(QStringLiteral("D001")))->clear();
    ui.button("corriger")->click();
    QCOMPARE(ui.label("score")->text(), QStringLiteral("2/3"));
    QCOMPARE(study.card(deckDraw(kSeven, "D000"))->dueDay, 1);
    QCOMPARE(study.card(deckDraw(kSeven, "D002"))->dueDay, 1);
    QCOMPARE(study.card(deckDraw(kFive, "D001"))->dueDay, 0);
    QCOMPARE(study.answers.size(), std::size_t(3));
    for (const study::SlotAnswer& answer : study.answers)  // D001 is the one of the second list
        QCOMPARE(answer.draw.list, answer.draw.draw == "D001" ? kFive : kSeven);

    ui.button("restart")->click();
    QCOMPARE(shown(drill), (std::set<QString>{"D001"}));
    drill.answerAll();
    ui.button("corriger")->click();
    QCOMPARE(tiles(drill), QStringLiteral(" BRAVO! "));
    QVERIFY(!ui.button("restart")->isEnabled());
    QCOMPARE(look::background(ui.box("tempstot")), look::Colour::stopped);
    QCOMPARE(study.dueCounts()->today, 0);
    QCOMPARE(study.dueCounts()->tomorrow, 3);
}

// Two lists that hold the same draw with the same solutions give two draws of the review, each
// recorded against its own list.
void ReviewTest::sameDrawOfTwoListsIsTwoDraws()
{
    FakeStudy study;
    study.deck.push_back({{kSeven, "AB", "BA"}, 0});
    study.deck.push_back({{kFive, "AB", "BA"}, 0});
    DrillFixture drill;
    drill.form->setStudy(&study);
    QVERIFY(drill.form->reviser());
    QCOMPARE(drill.ui().box("motsleft")->text(), QStringLiteral("2"));
    drill.solution(0)->setText(QStringLiteral("BA"));
    drill.ui().button("corriger")->click();
    QCOMPARE(study.answers.size(), std::size_t(2));
    QVERIFY(study.answers[0].draw.list != study.answers[1].draw.list);
    const study::DeckDraw found = study.answers[0].draw;
    const study::DeckDraw missed = study.answers[1].draw;
    QCOMPARE(study.card(found)->dueDay, 1);
    QCOMPARE(study.card(missed)->dueDay, 0);
    drill.ui().button("restart")->click();
    drill.solution(0)->setText(QStringLiteral("BA"));
    drill.ui().button("corriger")->click();
    QCOMPARE(study.answers.back().draw, missed);
    QCOMPARE(tiles(drill), QStringLiteral(" BRAVO! "));
}

void ReviewTest::nothingToReview_data()
{
    QTest::addColumn<QString>("record");  // "none", "empty" or "failing"
    QTest::addColumn<QString>("message");
    QTest::newRow("no study record")
        << "none"
        << "Révisions impossibles : le relevé d'étude n'est pas ouvert.";
    QTest::newRow("nothing due")
        << "empty"
        << "Aucun tirage à réviser pour l'instant : vos révisions du jour sont faites.";
    QTest::newRow("record failing") << "failing"
                                    << "Révisions impossibles : etude.sqlite est illisible.";
}

// Without anything to review the window opens no review and says why; a list's drill then
// starts as ever.
void ReviewTest::nothingToReview()
{
    QFETCH(QString, record);
    QFETCH(QString, message);
    FakeStudy study;
    study.deck.push_back({{kSeven, "D000", "S000"}, 4});  // due days later
    if (record == QLatin1String("failing"))
        study.failing = "etude.sqlite est illisible";
    DrillFixture drill;
    drill.form->setStudy(record == QLatin1String("none") ? nullptr : &study);
    QVERIFY(!drill.form->reviser());
    QCOMPARE(drill.form->loadMessage(), message);
    QCOMPARE(drill.ui().label("Label7")->text(), QStringLiteral("Base"));
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(2)));
    QCOMPARE(drill.ui().label("Label7")->text(), QStringLiteral("7 lettres"));
}

void ReviewTest::countAsMissed_data()
{
    QTest::addColumn<QString>("how");   // "Ctrl+M" or "menu"
    QTest::addColumn<QString>("when");  // "corrected" or "open"
    QTest::addColumn<QString>("slot");  // "found" or "missed"
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("refused");
    const QStringList ways = {QStringLiteral("Ctrl+M"), QStringLiteral("menu")};
    for (const QString& how : ways) {
        const QByteArray way = how.toUtf8();
        QTest::addRow("%s, a found slot", way.data()) << how << "corrected"
                                                      << "found" << 1 << 1 << 0;
        QTest::addRow("%s, a found slot twice", way.data()) << how << "corrected"
                                                            << "found" << 2 << 1 << 1;
        QTest::addRow("%s, a missed slot", way.data()) << how << "corrected"
                                                       << "missed" << 1 << 0 << 1;
        QTest::addRow("%s, before the correction", way.data()) << how << "open"
                                                               << "found" << 1 << 0 << 1;
    }
}

// After a correction a found slot can be counted as missed, once: the record schedules its
// draw as missed, under the drilled list; the box says so; the counters stay as the correction
// made them. A missed slot, an open series and a second time are refused (Ctrl+M beeps, the
// menu's entry is greyed).
void ReviewTest::countAsMissed()
{
    QFETCH(QString, how);
    QFETCH(QString, when);
    QFETCH(QString, slot);
    QFETCH(int, times);
    QFETCH(int, counted);
    QFETCH(int, refused);
    FakeStudy study;
    DrillFixture drill;
    const testsupport::WindowProbe& ui = drill.ui();
    drill.form->setStudy(&study);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    const int found = drill.slotOf(QStringLiteral("D000"));
    drill.solution(found)->setText(QStringLiteral("S000"));
    if (when == QLatin1String("corrected"))
        ui.button("corriger")->click();
    const int target =
        slot == QLatin1String("found") ? found : drill.slotOf(QStringLiteral("S001"));
    QVERIFY(target >= 0);
    const QString tooltip = drill.solution(target)->toolTip();
    const QString score = ui.label("score")->text();
    int menuRefusals = 0;
    for (int time = 0; time < times; ++time) {
        if (how == QLatin1String("menu"))
            menuRefusals += countFromMenu(drill, target) ? 0 : 1;
        else
            QTest::keyClick(drill.solution(target), Qt::Key_M, Qt::ControlModifier);
    }
    QCOMPARE(static_cast<int>(study.countedAsMissed.size()), counted);
    QCOMPARE(how == QLatin1String("menu") ? menuRefusals : drill.beeps, refused);
    QCOMPARE(drill.solution(target)->toolTip(),
             counted ? QStringLiteral("Compté comme raté") : tooltip);
    QCOMPARE(drill.solution(target)->text(),
             slot == QLatin1String("found")      ? QStringLiteral("S000")
                 : when == QLatin1String("open") ? QString()
                                                 : QStringLiteral("D001"));
    QCOMPARE(ui.label("score")->text(), score);
    if (!counted)
        return;
    QCOMPARE(study.countedAsMissed[0], deckDraw(kSeven, "D000"));
    QCOMPARE(study.card(deckDraw(kSeven, "D000"))->dueDay, study.today);
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("2"));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("3"));
}

void ReviewTest::countedDrawComesBackInTheReview_data()
{
    QTest::addColumn<int>("due");
    QTest::addColumn<bool>("finished");
    QTest::newRow("review under way") << 3 << false;
    QTest::newRow("review just finished") << 1 << true;
}

// In a review still under way the draw counted as missed comes back in the next series; a
// review that has just ended stays ended, the draw due in the next one.
void ReviewTest::countedDrawComesBackInTheReview()
{
    QFETCH(int, due);
    QFETCH(bool, finished);
    FakeStudy study;
    addDue(study, due, {kSeven});
    DrillFixture drill;
    drill.form->setStudy(&study);
    QVERIFY(drill.form->reviser());
    drill.answerAll();
    if (!finished)
        drill.solution(drill.slotOf(QStringLiteral("D002")))->clear();
    drill.ui().button("corriger")->click();
    QTest::keyClick(drill.solution(drill.slotOf(QStringLiteral("D000"))), Qt::Key_M,
                    Qt::ControlModifier);
    QCOMPARE(study.card(deckDraw(kSeven, "D000"))->dueDay, 0);
    QCOMPARE(drill.ui().button("restart")->isEnabled(), !finished);
    QCOMPARE(tiles(drill) == QStringLiteral(" BRAVO! "), finished);
    if (finished)
        return;
    drill.ui().button("restart")->click();
    QCOMPARE(shown(drill), (std::set<QString>{"D000", "D002"}));
}

QTEST_MAIN(ReviewTest)
#include "ReviewTest.moc"
