// Leaving a drill, swapping letter tiles and cycling the fonts.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using training::Form1;

class LeavingAndTilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leavingAfterBravo();
    void leavingDuringPause();
    void nextDrillStartsClean();
    void tileClicks_data();
    void tileClicks();
    void clicksTouchNoDrawColour();
    void fontCycle();
    void answersKeepSeventhFace();
};

void LeavingAndTilesTest::leavingAfterBravo()
{
    DrillFixture drill;
    QWidget launcher;
    drill.form = std::make_unique<Form1>(&launcher);
    drill.form->dataFolders.clear();
    Form1& form = *drill.form;
    drill.show();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    drill.answerAll();
    form.corriger_Click();
    QCOMPARE(form.Command1[1]->text(), QStringLiteral("B"));
    form.quitter_Click();
    QVERIFY(form.isHidden());
    QVERIFY(launcher.isVisible());
    QString tiles;
    for (QPushButton* tile : form.Command1) {
        tiles += tile->text();
        QCOMPARE(look::background(tile), look::Colour::tile);
    }
    QCOMPARE(tiles, QStringLiteral(" BRAVO! "));  // until an answer box gets the focus
    drill.show();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("XYZ;ZYX")}));
    QCOMPARE(form.Command1[0]->text(), QStringLiteral("X"));
    QCOMPARE(look::background(form.tempstot), look::systemWindow());
    QVERIFY(form.Timer2->isActive());
}

void LeavingAndTilesTest::leavingDuringPause()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.Command5_Click();
    form.quitter_Click();
    drill.show();
    QVERIFY(drill.start(QStringLiteral("5 lettres"), 0, ListFolder::entries(40)));
    QCOMPARE(form.Command5->text(), QStringLiteral("Reprendre"));
    QVERIFY(form.solution[0]->isReadOnly());
    QVERIFY(!form.recherche->isEnabled());
    form.Command5_Click();
    QVERIFY(!form.solution[0]->isReadOnly());
    QVERIFY(form.Timer1->isActive());
}

void LeavingAndTilesTest::nextDrillStartsClean()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 30; ++tick) {
        form.Timer1_Timer();
        form.Timer2_Timer();
    }
    form.Command1_Click(2);  // a tile waiting for its partner
    form.corriger_Click();
    QCOMPARE(form.nbftot->text(), QStringLiteral("30"));
    form.restart_Click();
    form.quitter_Click();
    QVERIFY(!form.Timer1->isActive() && !form.Timer2->isActive());  // a hidden drill does not go on
    QCOMPARE(form.nbseries->text(), QString::fromUtf8("0 série déjà réalisée."));
    QCOMPARE(form.nbftot->text(), QStringLiteral("0"));
    QCOMPARE(form.state().secondsLeft, 240);
    QCOMPARE(form.state().totalSeconds, 0);
    QCOMPARE(form.state().seriesDone, std::int16_t(0));
    QCOMPARE(form.lettre, std::int16_t(-1));

    drill.show();
    QVERIFY(drill.start(QStringLiteral("6 lettres"), 0, ListFolder::entries(40)));
    QCOMPARE(form.nbseries->text(), QString::fromUtf8("0 série déjà réalisée."));
    QCOMPARE(form.nbftot->text(), QStringLiteral("0"));
    form.Timer2_Timer();
    QCOMPARE(form.tempstot->text(), QStringLiteral("0:00:01"));
    form.corriger_Click();
    QCOMPARE(form.nbseries->text(), QString::fromUtf8("1 série(s) déjà réalisée(s)."));
    QCOMPARE(form.nbftot->text(), QStringLiteral("30"));
}

void LeavingAndTilesTest::tileClicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("lefts");  // of tiles 0 to 4, in twips
    QTest::addColumn<int>("waiting");
    const QList<int> home{3000, 3600, 4200, 4800, 5400};
    QTest::newRow("one click") << QList<int>{3} << home << 3;
    QTest::newRow("same tile twice") << QList<int>{2, 2} << home << -1;
    QTest::newRow("two lettered") << QList<int>{0, 3} << QList<int>{4800, 3600, 4200, 3000, 5400}
                                  << -1;
    QTest::newRow("empty then lettered") << QList<int>{4, 1} << home << -1;
    QTest::newRow("lettered then empty") << QList<int>{1, 4} << home << -1;
    QTest::newRow("three clicks") << QList<int>{0, 1, 2} << QList<int>{3600, 3000, 4200, 4800, 5400}
                                  << 2;
    QTest::newRow("swap back") << QList<int>{0, 1, 1, 0} << home << -1;
}

void LeavingAndTilesTest::tileClicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, lefts);
    QFETCH(int, waiting);
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("ABCD;DCBA")}));
    QCOMPARE(form.Command1[4]->text(), QString());
    for (int tile : clicks)
        QTest::mouseClick(form.Command1[tile], Qt::LeftButton);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(look::left(form.Command1[k]), lefts[k]);
    QCOMPARE(int(form.lettre), waiting);
    QCOMPARE(form.Command1[0]->text(), QStringLiteral("A"));  // captions stay with their tiles
    QCOMPARE(look::background(form.solution[0]), look::Colour::currentAnswer);
    form.focusAnswer(0);
    QCOMPARE(look::left(form.Command1[3]), 4800);  // the next arrival lays the tiles out again
}

// Neither a tile click nor a click in the search box repaints a draw box.
void LeavingAndTilesTest::clicksTouchNoDrawColour()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.corriger_Click();
    QCOMPARE(look::background(form.tirage[0]), look::Colour::found);
    QCOMPARE(look::background(form.tirage[3]), look::Colour::found);
    form.Command1_Click(3);
    form.recherche_Click();
    QCOMPARE(look::background(form.tirage[0]), look::Colour::found);
    QCOMPARE(look::background(form.tirage[3]), look::Colour::found);
}

void LeavingAndTilesTest::fontCycle()
{
    Form1 form;
    for (QLineEdit* box : form.tirage) {
        QFont font = box->font();
        font.setItalic(true);
        box->setFont(font);
    }
    const QStringList faces{"Georgia",      "Verdana", "Times New Roman",
                            "Lucida Sans",  "Arial",   "Abadi MT Condensed Light",
                            "MS Sans Serif"};
    for (int click = 0; click < 7; ++click) {
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        QCOMPARE(form.tirage[29]->font().family(), faces[click]);
        QCOMPARE(form.tirage[0]->font().italic(), click < 3);
        QCOMPARE(form.solution[0]->font().family(),
                 click < 5 ? QStringLiteral("Georgia") : faces[click]);
        QCOMPARE(form.police->text(), QString::number(click == 6 ? 1 : click + 2));
        QCOMPARE(form.tirage[0]->font().pointSizeF(), 11.0);
    }
    QCOMPARE(form.fontNumber, std::int16_t(1));
}

void LeavingAndTilesTest::answersKeepSeventhFace()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    for (int click = 0; click < 8; ++click)
        form.Command3_Click();  // fonts 1 to 7, then 1 again
    QCOMPARE(form.tirage[5]->font().family(), QStringLiteral("Georgia"));
    QCOMPARE(form.solution[5]->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(drill.start(QString::fromUtf8("9 lettres"), 0, ListFolder::entries(4)));
    QCOMPARE(form.solution[5]->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form.solution[5]->font().pointSizeF(), 10.0);
    QCOMPARE(form.police->text(), QStringLiteral("2"));
}

QTEST_MAIN(LeavingAndTilesTest)
#include "LeavingAndTilesTest.moc"
