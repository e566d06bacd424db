// Correction as the window paints it, the clocks, pause and the elimination criterion.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testsupport::WindowProbe;
using training::Form1;

class CorrectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void slotMarks_data();
    void slotMarks();
    void fullSeriesFound();
    void seriesClockRunsOut();
    void timeUsedBeforeFirstTick();
    void clockBoxesRefuseTyping();
    void drillClockText_data();
    void drillClockText();
    void pauseAndResume();
    void resumeAfterCorrection();
    void criterionPositions();
    void checkBoxHidesClocks();
    void keyboardDrillToBravo();
    void lastSlotGradedBySpeed_data();
    void lastSlotGradedBySpeed();
};

void CorrectionTest::slotMarks_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("answerShown");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("struck");
    QTest::addColumn<QString>("drawShown");
    const QString rallonge = QStringLiteral("Rallonge av. 1L <10L");
    const QString seven = QStringLiteral("7 lettres");
    QTest::newRow("found") << seven << QStringLiteral("SOLUTION") << true
                           << QStringLiteral("SOLUTION") << QString() << false
                           << QStringLiteral("NOSTILUO");
    QTest::newRow("wrong, other list")
        << seven << QStringLiteral("SOLUTIOM") << false << QStringLiteral("SOLUTIOM")
        << QStringLiteral("Tirage: NOSTILUO") << true << QStringLiteral("SOLUTION");
    QTest::newRow("wrong, extension list")
        << rallonge << QStringLiteral("SOLUTIOM") << false << QStringLiteral("NOSTILUO")
        << QStringLiteral("Vous aviez saisi: SOLUTIOM") << false << QStringLiteral("SOLUTION");
    QTest::newRow("empty") << seven << QString() << false << QStringLiteral("NOSTILUO") << QString()
                           << false << QStringLiteral("SOLUTION");
    QTest::newRow("empty, extension list")
        << rallonge << QString() << false << QStringLiteral("NOSTILUO") << QString() << false
        << QStringLiteral("SOLUTION");
}

void CorrectionTest::slotMarks()
{
    QFETCH(QString, title);
    QFETCH(QString, typed);
    QFETCH(bool, found);
    QFETCH(QString, answerShown);
    QFETCH(QString, tooltip);
    QFETCH(bool, struck);
    QFETCH(QString, drawShown);
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(
        drill.start(title, 0, {QStringLiteral("NOSTILUO;SOLUTION"), QStringLiteral("ABC;CAB")}));
    const int slot = drill.slotOf(QStringLiteral("NOSTILUO"));
    ui.box("solution", slot)->setText(typed);
    ui.button("corriger")->click();
    QCOMPARE(look::background(ui.box("solution", slot)),
             found ? look::Colour::found : look::Colour::missed);
    QCOMPARE(ui.box("solution", slot)->text(), answerShown);
    QCOMPARE(ui.box("solution", slot)->toolTip(), tooltip);
    QCOMPARE(ui.box("solution", slot)->font().strikeOut(), struck);
    QCOMPARE(ui.box("tirage", slot)->text(), drawShown);
    QCOMPARE(look::background(ui.box("tirage", slot)),
             found ? look::Colour::draw : look::Colour::found);
    QCOMPARE(ui.label("score")->text(), found ? QStringLiteral("1/2") : QStringLiteral("0/2"));
    QCOMPARE(ui.label("nbftot")->text(), found ? QStringLiteral("1") : QStringLiteral("2"));
    QVERIFY(ui.label("score")->isVisible() && ui.label("tps")->isVisible());
    QCOMPARE(look::background(ui.box("temps")), look::Colour::stopped);

    ui.button("restart")->click();  // the next series wipes every mark
    for (int i = 0; i < drill::kSlots; ++i) {
        QVERIFY(!ui.box("solution", i)->font().strikeOut());
        QVERIFY(ui.box("solution", i)->toolTip().isEmpty());
    }
    QVERIFY(ui.label("score")->isHidden() && ui.label("tps")->isHidden());
    QCOMPARE(look::background(ui.box("temps")), look::systemWindow());
}

// 100 entries, a series of 30 all found at threshold 1: 70 are left.
void CorrectionTest::fullSeriesFound()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(100)));
    drill.answerAll();
    ui.button("corriger")->click();
    QCOMPARE(ui.label("score")->text(), QStringLiteral("30/30"));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("100"));  // until the next draw
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("0"));
    ui.button("restart")->click();
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("70"));
}

void CorrectionTest::seriesClockRunsOut()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.tick("Timer1");
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("3:59"));
    for (int tick = 2; tick < 240; ++tick)
        ui.tick("Timer1");
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("0:01"));
    QVERIFY(ui.button("corriger")->isEnabled());
    ui.tick("Timer1");
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("0:00"));
    QVERIFY(!ui.button("corriger")->isEnabled());
    QVERIFY(!ui.timer("Timer1")->isActive());
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("4:00"));
    QCOMPARE(ui.label("score")->text(), QStringLiteral("0/30"));
}

// Correction reads back what "temps" shows; a new series does not rewrite it.
void CorrectionTest::timeUsedBeforeFirstTick()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.button("corriger")->click();
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("0:00"));
    ui.button("restart")->click();
    for (int tick = 0; tick < 85; ++tick)
        ui.tick("Timer1");
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("2:35"));
    ui.button("corriger")->click();
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("1:25"));
    ui.button("restart")->click();
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("2:35"));
    ui.button("corriger")->click();
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("1:25"));
}

// The clock boxes are written by the clocks only: a typed text cannot skew the time used.
void CorrectionTest::clockBoxesRefuseTyping()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 85; ++tick)
        ui.tick("Timer1");
    QTest::keyClicks(ui.box("temps"), QStringLiteral("9:99"));
    QTest::keyClicks(ui.box("tempstot"), QStringLiteral("7"));
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("2:35"));
    QCOMPARE(ui.box("tempstot")->text(), QStringLiteral("0:00:00"));
    ui.button("corriger")->click();
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("1:25"));
}

void CorrectionTest::drillClockText_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << QStringLiteral("0:00:01");
    QTest::newRow("605") << 605 << QStringLiteral("0:10:05");
    QTest::newRow("3909") << 3909 << QStringLiteral("1:05:09");
}

void CorrectionTest::drillClockText()
{
    QFETCH(int, ticks);
    QFETCH(QString, text);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < ticks; ++tick)
        drill.ui().tick("Timer2");
    QCOMPARE(drill.ui().box("tempstot")->text(), text);
}

void CorrectionTest::pauseAndResume()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 10; ++tick)
        ui.tick("Timer1");
    ui.button("Command5")->click();
    QCOMPARE(ui.button("Command5")->text(), QStringLiteral("Reprendre"));
    QVERIFY(!ui.timer("Timer1")->isActive() && !ui.timer("Timer2")->isActive());
    QVERIFY(!ui.box("recherche")->isEnabled());
    QTest::keyClicks(ui.box("solution", 0), QStringLiteral("abc"));
    QVERIFY(ui.box("solution", 0)->text().isEmpty());      // locked
    QTest::keyClick(ui.box("solution", 0), Qt::Key_Down);  // moving still works
    QCOMPARE(form.focusedSlot(), 1);
    ui.button("Command5")->click();
    QCOMPARE(ui.button("Command5")->text(), QStringLiteral("Pause"));
    QVERIFY(ui.timer("Timer1")->isActive() && ui.timer("Timer2")->isActive());
    QVERIFY(ui.box("recherche")->isEnabled());
    QCOMPARE(form.logic().state().secondsLeft, 230);
    ui.tick("Timer1");
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("3:49"));
    QTest::keyClicks(ui.box("solution", 1), QStringLiteral("d"));
    QCOMPARE(ui.box("solution", 1)->text(), QStringLiteral("D"));
}

void CorrectionTest::resumeAfterCorrection()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.button("Command5")->click();
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F12);  // corrects during the pause
    QVERIFY(!ui.button("corriger")->isEnabled());
    QCOMPARE(ui.button("Command5")->text(), QStringLiteral("Reprendre"));
    QVERIFY(ui.box("solution", 5)->isReadOnly());
    ui.button("Command5")->click();
    QVERIFY(!ui.timer("Timer1")->isActive());
    QVERIFY(ui.timer("Timer2")->isActive());
    QVERIFY(!ui.box("solution", 5)->isReadOnly());
}

void CorrectionTest::criterionPositions()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    struct Step {
        int box, unit;
        const char *first, *unitCaption, *threshold;
    };
    const Step steps[] = {
        {2900, 3255, "Eliminer un mot trouvé en moins de", "secondes.", "5"},
        {1800, 2160, "Eliminer un mot après", "réussites.", "1"},
        {2700, 3060, "Eliminer un mot trouvé en moins de", "secondes.", "5"},
        {1800, 2160, "Eliminer un mot après", "réussites.", "1"},
    };
    QCOMPARE(look::left(ui.box("seuiltxt")), 2000);
    QCOMPARE(look::left(ui.label("Label6")), 2355);
    for (const Step& step : steps) {
        ui.box("seuiltxt")->setText(QStringLiteral("3"));
        ui.button("Command4")->click();
        QCOMPARE(look::left(ui.box("seuiltxt")), step.box);
        QCOMPARE(look::left(ui.label("Label6")), step.unit);
        QCOMPARE(ui.box("seuiltxt")->x(), look::px(step.box));
        QCOMPARE(ui.label("Label5")->text(), QString::fromUtf8(step.first));
        QCOMPARE(ui.label("Label6")->text(), QString::fromUtf8(step.unitCaption));
        QCOMPARE(ui.box("seuiltxt")->text(), QString::fromUtf8(step.threshold));
        QVERIFY(ui.label("Label5")->width()
                >= ui.label("Label5")->fontMetrics().horizontalAdvance(ui.label("Label5")->text()));
    }
    QVERIFY(ui.timer("Timer1")->isActive());  // a switch touches no clock
}

void CorrectionTest::checkBoxHidesClocks()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QTest::mouseClick(ui.get<QCheckBox>("Check1"), Qt::LeftButton);
    QVERIFY(!ui.get<QCheckBox>("Check1")->isChecked());
    for (QWidget* clock : std::initializer_list<QWidget*>{ui.box("temps"), ui.box("tempstot"),
                                                          ui.label("Label1"), ui.label("Label2")})
        QVERIFY(clock->isHidden());
    QVERIFY(ui.label("Label3")->isVisible());
    for (int tick = 0; tick < 240; ++tick)
        ui.tick("Timer1");
    QVERIFY(!ui.button("corriger")->isEnabled());  // hidden, the clock still ends the series
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("4:00"));
    QTest::mouseClick(ui.get<QCheckBox>("Check1"), Qt::LeftButton);
    QVERIFY(ui.box("temps")->isVisible() && ui.box("tempstot")->isVisible());
}

// Five entries drilled to the end with the keyboard alone.
void CorrectionTest::keyboardDrillToBravo()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(5)));
    QTest::keyClicks(ui.box("solution", 0), QStringLiteral("s9"));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F12);  // all five missed
    QCOMPARE(ui.label("score")->text(), QStringLiteral("0/5"));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("5"));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F8);
    for (int slot = 0; slot < 5; ++slot) {
        QCOMPARE(form.focusedSlot(), slot);
        QTest::keyClicks(ui.box("solution", slot),
                         QLatin1Char('s') + ui.box("tirage", slot)->text().mid(1));
        QTest::keyClick(ui.box("solution", slot), Qt::Key_Return);
    }
    QTest::keyClick(ui.box("solution", 5), Qt::Key_F12);
    QCOMPARE(ui.label("score")->text(), QStringLiteral("5/5"));
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("2 série(s) déjà réalisée(s)."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("5"));
    QStringList tiles;
    for (int k = 0; k < Form1::kTiles; ++k) {
        const QPushButton* tile = ui.button("Command1", k);
        tiles << tile->text();
        QCOMPARE(look::background(tile), look::Colour::missed);
    }
    QCOMPARE(tiles.join(QString()), QStringLiteral(" BRAVO! "));
    QCOMPARE(look::background(ui.box("tempstot")), look::Colour::stopped);
    QVERIFY(!ui.timer("Timer2")->isActive());
    QVERIFY(!ui.button("restart")->isEnabled());
    QVERIFY(!ui.button("corriger")->isEnabled());
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("0"));
    QTest::keyClick(ui.box("solution", 5), Qt::Key_F8);  // finished: no new series
    QVERIFY(!ui.button("corriger")->isEnabled());
}

void CorrectionTest::lastSlotGradedBySpeed_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<int>("slot4State");
    QTest::addColumn<int>("entriesLeft");
    QTest::newRow("mouse on the button") << true << 1 << 39;  // leaving box 4 grades it first
    QTest::newRow("F12 in box 4") << false << -1 << 40;       // box 4 is never left
}

// Under the criterion by speed, correction grades the last slot with the seconds
// counted in the box the player was in.
void CorrectionTest::lastSlotGradedBySpeed()
{
    QFETCH(bool, byMouse);
    QFETCH(int, slot4State);
    QFETCH(int, entriesLeft);
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    ui.button("Command4")->click();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    drill.focus(4);
    ui.tick("Timer3");
    ui.tick("Timer3");
    ui.box("solution", 4)->setText(QLatin1Char('S') + ui.box("tirage", 4)->text().mid(1));
    ui.box("solution", 29)->setText(QLatin1Char('S') + ui.box("tirage", 29)->text().mid(1));
    if (byMouse)
        QTest::mouseClick(ui.button("corriger"), Qt::LeftButton);
    else
        QTest::keyClick(ui.box("solution", 4), Qt::Key_F12);
    QVERIFY(!ui.button("corriger")->isEnabled());
    QCOMPARE(int(form.logic().state().slotState[4]), slot4State);
    QCOMPARE(form.logic().state().slotState[29], std::int16_t(1));  // right, in 2 seconds < 5
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("OK"));
    QCOMPARE(ui.label("score")->text(), QStringLiteral("2/30"));
    QCOMPARE(form.logic().state().entryCount, entriesLeft - 1);
}

QTEST_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
