// Leaving a drill, swapping letter tiles and cycling the fonts.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testsupport::WindowProbe;
using training::Form1;

class LeavingAndTilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leavingAfterBravo();
    void leavingDuringPause();
    void nextDrillStartsClean();
    void tilesAreFlat_data();
    void tilesAreFlat();
    void tileClicks_data();
    void tileClicks();
    void clicksTouchNoDrawColour();
    void fontCycle();
    void answersKeepSeventhFace();
};

void LeavingAndTilesTest::leavingAfterBravo()
{
    QWidget launcher;
    DrillFixture drill(&launcher);
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    drill.answerAll();
    ui.button("corriger")->click();
    QCOMPARE(ui.button("Command1", 1)->text(), QStringLiteral("B"));
    ui.button("quitter")->click();
    QVERIFY(form.isHidden());
    QVERIFY(launcher.isVisible());
    QString tiles;
    for (int k = 0; k < Form1::kTiles; ++k) {
        const QPushButton* tile = ui.button("Command1", k);
        tiles += tile->text();
        QCOMPARE(look::background(tile), look::Colour::tile);
    }
    QCOMPARE(tiles, QStringLiteral(" BRAVO! "));  // until an answer box gets the focus
    drill.show();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("XYZ;ZYX")}));
    QCOMPARE(ui.button("Command1", 0)->text(), QStringLiteral("X"));
    QCOMPARE(look::background(ui.box("tempstot")), look::systemWindow());
    QVERIFY(ui.timer("Timer2")->isActive());
}

void LeavingAndTilesTest::tilesAreFlat_data()
{
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("during a drill") << false << QColor(look::Colour::tile);
    QTest::newRow("at its end") << true << QColor(look::Colour::missed);
}

// The tiles show their colour flat, from the top of their face to its bottom.
void LeavingAndTilesTest::tilesAreFlat()
{
    QFETCH(bool, finished);
    QFETCH(QColor, colour);
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    if (finished) {
        drill.answerAll();
        ui.button("corriger")->click();
    }
    for (int k = 0; k < Form1::kTiles; ++k) {
        QPushButton* tile = ui.button("Command1", k);
        const QImage face = tile->grab().toImage();
        for (const QPoint at : {QPoint(face.width() / 2, 3), QPoint(4, face.height() / 2),
                                QPoint(face.width() / 2, face.height() - 4)})
            QCOMPARE(face.pixelColor(at), colour);
    }
}

void LeavingAndTilesTest::leavingDuringPause()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.button("Command5")->click();
    ui.button("quitter")->click();
    drill.show();
    QVERIFY(drill.start(QStringLiteral("5 lettres"), 0, ListFolder::entries(40)));
    QCOMPARE(ui.button("Command5")->text(), QStringLiteral("Reprendre"));
    QVERIFY(ui.box("solution", 0)->isReadOnly());
    QVERIFY(!ui.box("recherche")->isEnabled());
    ui.button("Command5")->click();
    QVERIFY(!ui.box("solution", 0)->isReadOnly());
    QVERIFY(ui.timer("Timer1")->isActive());
}

void LeavingAndTilesTest::nextDrillStartsClean()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    for (int tick = 0; tick < 30; ++tick) {
        ui.tick("Timer1");
        ui.tick("Timer2");
    }
    ui.button("Command1", 2)->click();  // a tile waiting for its partner
    ui.button("corriger")->click();
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("30"));
    ui.button("restart")->click();
    ui.button("quitter")->click();
    QVERIFY(!ui.timer("Timer1")->isActive()
            && !ui.timer("Timer2")->isActive());  // a hidden drill does not go on
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("0 série déjà réalisée."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("0"));
    QCOMPARE(form.logic().state().secondsLeft, 240);
    QCOMPARE(form.logic().state().totalSeconds, 0);
    QCOMPARE(form.logic().state().seriesDone, std::int16_t(0));
    QCOMPARE(form.pendingTile(), std::int16_t(-1));

    drill.show();
    QVERIFY(drill.start(QStringLiteral("6 lettres"), 0, ListFolder::entries(40)));
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("0 série déjà réalisée."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("0"));
    ui.tick("Timer2");
    QCOMPARE(ui.box("tempstot")->text(), QStringLiteral("0:00:01"));
    ui.button("corriger")->click();
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("1 série(s) déjà réalisée(s)."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("30"));
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
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("ABCD;DCBA")}));
    QCOMPARE(ui.button("Command1", 4)->text(), QString());
    for (int tile : clicks)
        QTest::mouseClick(ui.button("Command1", tile), Qt::LeftButton);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(look::left(ui.button("Command1", k)), lefts[k]);
    QCOMPARE(int(form.pendingTile()), waiting);
    QCOMPARE(ui.button("Command1", 0)->text(),
             QStringLiteral("A"));  // captions stay with their tiles
    QCOMPARE(look::background(ui.box("solution", 0)), look::Colour::currentAnswer);
    drill.focus(0);
    QCOMPARE(look::left(ui.button("Command1", 3)),
             4800);  // the next arrival lays the tiles out again
}

// Neither a tile click nor a click in the search box repaints a draw box.
void LeavingAndTilesTest::clicksTouchNoDrawColour()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.button("corriger")->click();
    QCOMPARE(look::background(ui.box("tirage", 0)), look::Colour::found);
    QCOMPARE(look::background(ui.box("tirage", 3)), look::Colour::found);
    ui.button("Command1", 3)->click();
    QTest::mouseClick(ui.box("recherche"), Qt::LeftButton);
    QCOMPARE(look::background(ui.box("tirage", 0)), look::Colour::found);
    QCOMPARE(look::background(ui.box("tirage", 3)), look::Colour::found);
}

void LeavingAndTilesTest::fontCycle()
{
    Form1 form;
    const WindowProbe ui(form);
    for (int i = 0; i < drill::kSlots; ++i) {
        QFont font = ui.box("tirage", i)->font();
        font.setItalic(true);
        ui.box("tirage", i)->setFont(font);
    }
    const QStringList faces{"Georgia",      "Verdana", "Times New Roman",
                            "Lucida Sans",  "Arial",   "Abadi MT Condensed Light",
                            "MS Sans Serif"};
    for (int click = 0; click < 7; ++click) {
        QTest::mouseClick(ui.button("Command3"), Qt::LeftButton);
        QCOMPARE(ui.box("tirage", 29)->font().family(), faces[click]);
        QCOMPARE(ui.box("tirage", 0)->font().italic(), click < 3);
        QCOMPARE(ui.box("solution", 0)->font().family(),
                 click < 5 ? QStringLiteral("Georgia") : faces[click]);
        QCOMPARE(ui.label("police")->text(), QString::number(click == 6 ? 1 : click + 2));
        QCOMPARE(ui.box("tirage", 0)->font().pointSizeF(), 11.0);
    }
    QCOMPARE(form.fontNumber(), 1);
}

void LeavingAndTilesTest::answersKeepSeventhFace()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    for (int click = 0; click < 8; ++click)
        ui.button("Command3")->click();  // fonts 1 to 7, then 1 again
    QCOMPARE(ui.box("tirage", 5)->font().family(), QStringLiteral("Georgia"));
    QCOMPARE(ui.box("solution", 5)->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(drill.start(QString::fromUtf8("9 lettres"), 0, ListFolder::entries(4)));
    QCOMPARE(ui.box("solution", 5)->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(ui.box("solution", 5)->font().pointSizeF(), 10.0);
    QCOMPARE(ui.label("police")->text(), QStringLiteral("2"));
}

QTEST_MAIN(LeavingAndTilesTest)
#include "LeavingAndTilesTest.moc"
