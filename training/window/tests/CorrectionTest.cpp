// Correction as the window paints it, the clocks, pause and the elimination criterion.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

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
    Form1& form = *drill.form;
    QVERIFY(
        drill.start(title, 0, {QStringLiteral("NOSTILUO;SOLUTION"), QStringLiteral("ABC;CAB")}));
    const int slot = drill.slotOf(QStringLiteral("NOSTILUO"));
    form.solution[slot]->setText(typed);
    form.corriger_Click();
    QCOMPARE(look::background(form.solution[slot]),
             found ? look::Colour::found : look::Colour::missed);
    QCOMPARE(form.solution[slot]->text(), answerShown);
    QCOMPARE(form.solution[slot]->toolTip(), tooltip);
    QCOMPARE(form.solution[slot]->font().strikeOut(), struck);
    QCOMPARE(form.tirage[slot]->text(), drawShown);
    QCOMPARE(look::background(form.tirage[slot]), found ? look::Colour::draw : look::Colour::found);
    QCOMPARE(form.score->text(), found ? QStringLiteral("1/2") : QStringLiteral("0/2"));
    QCOMPARE(form.nbftot->text(), found ? QStringLiteral("1") : QStringLiteral("2"));
    QVERIFY(form.score->isVisible() && form.tps->isVisible());
    QCOMPARE(look::background(form.temps), look::Colour::stopped);

    form.restart_Click();  // the next series wipes every mark
    for (int i = 0; i < Form1::kSlots; ++i) {
        QVERIFY(!form.solution[i]->font().strikeOut());
        QVERIFY(form.solution[i]->toolTip().isEmpty());
    }
    QVERIFY(form.score->isHidden() && form.tps->isHidden());
    QCOMPARE(look::background(form.temps), look::systemWindow());
}

// 100 entries, a series of 30 all found at threshold 1: 70 are left.
void CorrectionTest::fullSeriesFound()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(100)));
    drill.answerAll();
    form.corriger_Click();
    QCOMPARE(form.score->text(), QStringLiteral("30/30"));
    QCOMPARE(form.motsleft->text(), QStringLiteral("100"));  // until the next draw
    QCOMPARE(form.nbftot->text(), QStringLiteral("0"));
    form.restart_Click();
    QCOMPARE(form.motsleft->text(), QStringLiteral("70"));
}

void CorrectionTest::seriesClockRunsOut()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.Timer1_Timer();
    QCOMPARE(form.temps->text(), QStringLiteral("3:59"));
    for (int tick = 2; tick < 240; ++tick)
        form.Timer1_Timer();
    QCOMPARE(form.temps->text(), QStringLiteral("0:01"));
    QVERIFY(form.corriger->isEnabled());
    form.Timer1_Timer();
    QCOMPARE(form.temps->text(), QStringLiteral("0:00"));
    QVERIFY(!form.corriger->isEnabled());
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(form.tps->text(), QStringLiteral("4:00"));
    QCOMPARE(form.score->text(), QStringLiteral("0/30"));
}

// Correction reads back what "temps" shows; a new series does not rewrite it.
void CorrectionTest::timeUsedBeforeFirstTick()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.corriger_Click();
    QCOMPARE(form.tps->text(), QStringLiteral("0:00"));
    form.restart_Click();
    for (int tick = 0; tick < 85; ++tick)
        form.Timer1_Timer();
    QCOMPARE(form.temps->text(), QStringLiteral("2:35"));
    form.corriger_Click();
    QCOMPARE(form.tps->text(), QStringLiteral("1:25"));
    form.restart_Click();
    QCOMPARE(form.temps->text(), QStringLiteral("2:35"));
    form.corriger_Click();
    QCOMPARE(form.tps->text(), QStringLiteral("1:25"));
}

// The clock boxes are written by the clocks only: a typed text cannot skew the time used.
void CorrectionTest::clockBoxesRefuseTyping()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 85; ++tick)
        form.Timer1_Timer();
    QTest::keyClicks(form.temps, QStringLiteral("9:99"));
    QTest::keyClicks(form.tempstot, QStringLiteral("7"));
    QCOMPARE(form.temps->text(), QStringLiteral("2:35"));
    QCOMPARE(form.tempstot->text(), QStringLiteral("0:00:00"));
    form.corriger_Click();
    QCOMPARE(form.tps->text(), QStringLiteral("1:25"));
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
        drill.form->Timer2_Timer();
    QCOMPARE(drill.form->tempstot->text(), text);
}

void CorrectionTest::pauseAndResume()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 10; ++tick)
        form.Timer1_Timer();
    form.Command5_Click();
    QCOMPARE(form.Command5->text(), QStringLiteral("Reprendre"));
    QVERIFY(!form.Timer1->isActive() && !form.Timer2->isActive());
    QVERIFY(!form.recherche->isEnabled());
    QTest::keyClicks(form.solution[0], QStringLiteral("abc"));
    QVERIFY(form.solution[0]->text().isEmpty());      // locked
    QTest::keyClick(form.solution[0], Qt::Key_Down);  // moving still works
    QCOMPARE(form.focusedSlot(), 1);
    form.Command5_Click();
    QCOMPARE(form.Command5->text(), QStringLiteral("Pause"));
    QVERIFY(form.Timer1->isActive() && form.Timer2->isActive());
    QVERIFY(form.recherche->isEnabled());
    QCOMPARE(form.state().secondsLeft, 230);
    form.Timer1_Timer();
    QCOMPARE(form.temps->text(), QStringLiteral("3:49"));
    QTest::keyClicks(form.solution[1], QStringLiteral("d"));
    QCOMPARE(form.solution[1]->text(), QStringLiteral("D"));
}

void CorrectionTest::resumeAfterCorrection()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.Command5_Click();
    QTest::keyClick(form.solution[0], Qt::Key_F12);  // corrects during the pause
    QVERIFY(!form.corriger->isEnabled());
    QCOMPARE(form.Command5->text(), QStringLiteral("Reprendre"));
    QVERIFY(form.solution[5]->isReadOnly());
    form.Command5_Click();
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(form.Timer2->isActive());
    QVERIFY(!form.solution[5]->isReadOnly());
}

void CorrectionTest::criterionPositions()
{
    DrillFixture drill;
    Form1& form = *drill.form;
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
    QCOMPARE(look::left(form.seuiltxt), 2000);
    QCOMPARE(look::left(form.Label6), 2355);
    for (const Step& step : steps) {
        form.seuiltxt->setText(QStringLiteral("3"));
        form.Command4_Click();
        QCOMPARE(look::left(form.seuiltxt), step.box);
        QCOMPARE(look::left(form.Label6), step.unit);
        QCOMPARE(form.seuiltxt->x(), look::px(step.box));
        QCOMPARE(form.Label5->text(), QString::fromUtf8(step.first));
        QCOMPARE(form.Label6->text(), QString::fromUtf8(step.unitCaption));
        QCOMPARE(form.seuiltxt->text(), QString::fromUtf8(step.threshold));
        QVERIFY(form.Label5->width()
                >= form.Label5->fontMetrics().horizontalAdvance(form.Label5->text()));
    }
    QVERIFY(form.Timer1->isActive());  // a switch touches no clock
}

void CorrectionTest::checkBoxHidesClocks()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QTest::mouseClick(form.Check1, Qt::LeftButton);
    QVERIFY(!form.Check1->isChecked());
    for (QWidget* clock :
         std::initializer_list<QWidget*>{form.temps, form.tempstot, form.Label1, form.Label2})
        QVERIFY(clock->isHidden());
    QVERIFY(form.Label3->isVisible());
    for (int tick = 0; tick < 240; ++tick)
        form.Timer1_Timer();
    QVERIFY(!form.corriger->isEnabled());  // hidden, the clock still ends the series
    QCOMPARE(form.tps->text(), QStringLiteral("4:00"));
    QTest::mouseClick(form.Check1, Qt::LeftButton);
    QVERIFY(form.temps->isVisible() && form.tempstot->isVisible());
}

// Five entries drilled to the end with the keyboard alone.
void CorrectionTest::keyboardDrillToBravo()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(5)));
    QTest::keyClicks(form.solution[0], QStringLiteral("s9"));
    QTest::keyClick(form.solution[0], Qt::Key_F12);  // all five missed
    QCOMPARE(form.score->text(), QStringLiteral("0/5"));
    QCOMPARE(form.nbftot->text(), QStringLiteral("5"));
    QTest::keyClick(form.solution[0], Qt::Key_F8);
    for (int slot = 0; slot < 5; ++slot) {
        QCOMPARE(form.focusedSlot(), slot);
        QTest::keyClicks(form.solution[slot], QLatin1Char('s') + form.tirage[slot]->text().mid(1));
        QTest::keyClick(form.solution[slot], Qt::Key_Return);
    }
    QTest::keyClick(form.solution[5], Qt::Key_F12);
    QCOMPARE(form.score->text(), QStringLiteral("5/5"));
    QCOMPARE(form.nbseries->text(), QString::fromUtf8("2 série(s) déjà réalisée(s)."));
    QCOMPARE(form.nbftot->text(), QStringLiteral("5"));
    QStringList tiles;
    for (QPushButton* tile : form.Command1) {
        tiles << tile->text();
        QCOMPARE(look::background(tile), look::Colour::missed);
    }
    QCOMPARE(tiles.join(QString()), QStringLiteral(" BRAVO! "));
    QCOMPARE(look::background(form.tempstot), look::Colour::stopped);
    QVERIFY(!form.Timer2->isActive());
    QVERIFY(!form.restart->isEnabled());
    QVERIFY(!form.corriger->isEnabled());
    QCOMPARE(form.motsleft->text(), QStringLiteral("0"));
    QTest::keyClick(form.solution[5], Qt::Key_F8);  // finished: no new series
    QVERIFY(!form.corriger->isEnabled());
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
    form.Command4_Click();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.focusAnswer(4);
    form.Timer3_Timer();
    form.Timer3_Timer();
    form.solution[4]->setText(QLatin1Char('S') + form.tirage[4]->text().mid(1));
    form.solution[29]->setText(QLatin1Char('S') + form.tirage[29]->text().mid(1));
    if (byMouse)
        QTest::mouseClick(form.corriger, Qt::LeftButton);
    else
        QTest::keyClick(form.solution[4], Qt::Key_F12);
    QVERIFY(!form.corriger->isEnabled());
    QCOMPARE(int(form.state().slotState[4]), slot4State);
    QCOMPARE(form.state().slotState[29], std::int16_t(1));  // right, in 2 seconds < 5
    QCOMPARE(form.voyant->text(), QStringLiteral("OK"));
    QCOMPARE(form.score->text(), QStringLiteral("2/30"));
    QCOMPARE(form.state().entryCount, entriesLeft - 1);
}

QTEST_MAIN(CorrectionTest)
#include "CorrectionTest.moc"
