// Two drills in a row, played from the keyboard through the launcher.
#include <training/window/tests/LauncherFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QLabel>
#include <QTimer>

#include <map>

using training::Form1;

class EndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoDrillsInARow();

private:
    void firstDrillBySuccesses();
    void secondDrillBySpeed();
    // Types into the box that has the focus, then Enter to the next box.
    void typeAndEnter(const QString& text);
    // The answer of the list for the draw that `slot` shows.
    QString answerOf(int slot) const
    {
        return answers.at(app->ui().box(QStringLiteral("tirage"), slot)->text());
    }
    Form1& form() const { return app->form(); }
    // `count` ticks of a running timer of the training window.
    void tick(const QString& timer, int count);

    std::unique_ptr<LauncherFixture> app;
    std::map<QString, QString> answers;
};

void EndToEndTest::twoDrillsInARow()
{
    app = std::make_unique<LauncherFixture>(99);
    QVERIFY(app->launcher.training());
    app->writeList(QStringLiteral("5 lettres (anag multiples)"), 1,
                   {QStringLiteral("AEILR;ALIER"), QStringLiteral("AEIRT;ARETE"),
                    QStringLiteral("ACERT;CARET"), QStringLiteral("EINRS;RESIN"),
                    QStringLiteral("AELST;SALET")});
    app->writeList(
        QStringLiteral("Rallonge av. 1L <10L"), 0,
        {QStringLiteral("+ABRI;CABRI"), QStringLiteral("+OSE;ROSE"), QStringLiteral("+MER;AMER")});
    answers = {{QStringLiteral("AEILR"), QStringLiteral("ALIER")},
               {QStringLiteral("AEIRT"), QStringLiteral("ARETE")},
               {QStringLiteral("ACERT"), QStringLiteral("CARET")},
               {QStringLiteral("EINRS"), QStringLiteral("RESIN")},
               {QStringLiteral("AELST"), QStringLiteral("SALET")},
               {QStringLiteral("+ABRI"), QStringLiteral("CABRI")},
               {QStringLiteral("+OSE"), QStringLiteral("ROSE")},
               {QStringLiteral("+MER"), QStringLiteral("AMER")}};
    firstDrillBySuccesses();
    if (QTest::currentTestFailed())
        return;
    secondDrillBySpeed();
    app.reset();
}

void EndToEndTest::typeAndEnter(const QString& text)
{
    QWidget* box = QApplication::focusWidget();
    QVERIFY(box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void EndToEndTest::tick(const QString& timer, int count)
{
    for (int k = 0; k < count; ++k) {
        QVERIFY(app->ui().timer(timer)->isActive());
        app->ui().tick(timer);
    }
}

void EndToEndTest::firstDrillBySuccesses()
{
    QVERIFY(app->launch(QStringLiteral("5 lettres (anag multiples)"), 1));
    Form1& f = form();
    const testsupport::WindowProbe& ui = app->ui();
    QCOMPARE(ui.label("Label7")->text(), QStringLiteral("5 lettres (anag multiples)"));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("5"));
    QVERIFY(ui.button("corriger")->isEnabled() && !ui.button("restart")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), ui.box("solution", 0));
    QVERIFY(ui.box("tirage", 5)->text().isEmpty());
    tick(QStringLiteral("Timer2"), 3);
    QCOMPARE(ui.box("tempstot")->text(), QStringLiteral("0:00:03"));
    tick(QStringLiteral("Timer1"), 1);
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("3:59"));

    // Four right answers typed in lower case, one wrong, then F12 from the last box.
    const QString missedDraw = ui.box("tirage", 2)->text();
    for (int slot = 0; slot < 5; ++slot)
        typeAndEnter(slot == 2 ? QStringLiteral("zzzzzz") : answerOf(slot).toLower());
    QCOMPARE(ui.box("solution", 2)->text(), QStringLiteral("ZZZZZ"));  // capitals, cut to the draw
    QCOMPARE(QApplication::focusWidget(), ui.box("solution", 5));
    QTest::keyClick(ui.box("solution", 5), Qt::Key_F12);
    QVERIFY(!ui.button("corriger")->isEnabled() && ui.button("restart")->isEnabled());
    QCOMPARE(ui.label("score")->text(), QStringLiteral("4/5"));
    QCOMPARE(ui.label("nbseries")->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("1"));
    QCOMPARE(ui.label("tps")->text(), QStringLiteral("0:01"));
    QCOMPARE(look::background(ui.box("temps")), look::Colour::stopped);
    QCOMPARE(look::background(ui.box("solution", 0)), look::Colour::found);
    QCOMPARE(look::background(ui.box("solution", 2)), look::Colour::missed);
    QVERIFY(ui.box("solution", 2)->font().strikeOut());
    QCOMPARE(ui.box("solution", 2)->toolTip(), QStringLiteral("Tirage: ") + missedDraw);
    QCOMPARE(ui.box("tirage", 2)->text(), answers.at(missedDraw));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("5"));  // until the next draw

    // F8: the one entry left; the series clock text waits for its first tick.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QVERIFY(ui.button("corriger")->isEnabled() && !ui.button("restart")->isEnabled());
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("1"));
    QCOMPARE(ui.box("tirage", 0)->text(), missedDraw);
    QVERIFY(ui.box("tirage", 1)->text().isEmpty());
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("3:59"));
    QVERIFY(!ui.box("solution", 2)->font().strikeOut());
    QVERIFY(ui.box("solution", 2)->toolTip().isEmpty());
    typeAndEnter(answers.at(missedDraw));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);

    // Finished.
    QCOMPARE(ui.label("score")->text(), QStringLiteral("1/1"));
    QCOMPARE(ui.label("nbseries")->text(), QStringLiteral("2 série(s) déjà réalisée(s)."));
    QVERIFY(!ui.button("corriger")->isEnabled() && !ui.button("restart")->isEnabled());
    QVERIFY(!ui.timer("Timer2")->isActive());
    QCOMPARE(look::background(ui.box("tempstot")), look::Colour::stopped);
    QCOMPARE(ui.button("Command1", 1)->text(), QStringLiteral("B"));
    QCOMPARE(ui.button("Command1", 6)->text(), QStringLiteral("!"));
    QCOMPARE(look::background(ui.button("Command1", 4)), look::Colour::missed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QVERIFY(!ui.button("corriger")->isEnabled());

    QTest::mouseClick(ui.button("quitter"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(app->launcher.isVisible());
    QCOMPARE(ui.label("nbseries")->text(), QStringLiteral("0 série déjà réalisée."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("0"));
    QCOMPARE(look::background(ui.button("Command1", 4)), look::Colour::tile);
    QCOMPARE(ui.button("Command1", 1)->text(),
             QStringLiteral("B"));  // " BRAVO! " stays until a box gets the focus
}

void EndToEndTest::secondDrillBySpeed()
{
    Form1& f = form();
    const testsupport::WindowProbe& ui = app->ui();
    QVERIFY(app->launch(QStringLiteral("Rallonge av. 1L <10L"), 0));
    QCOMPARE(ui.label("Label7")->text(), QStringLiteral("Rallonge av. 1L <10L"));
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("3"));
    QCOMPARE(f.logic().state().errorCount, 0);
    QCOMPARE(look::background(ui.box("tempstot")), look::systemWindow());
    tick(QStringLiteral("Timer2"), 1);
    QCOMPARE(ui.box("tempstot")->text(), QStringLiteral("0:00:01"));
    QCOMPARE(ui.button("Command1", 0)->text(), ui.box("tirage", 0)->text().left(1));

    // The criterion by speed, threshold 5: box 0 right in 1 s, box 1 right in 6 s,
    // box 2 wrong; F12 in box 2 grades it with its own seconds.
    QTest::mouseClick(ui.button("Command4"), Qt::LeftButton);
    QCOMPARE(ui.box("seuiltxt")->text(), QStringLiteral("5"));
    QTest::mouseClick(ui.box("solution", 0), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), ui.box("solution", 0));
    const QString fastDraw = ui.box("tirage", 0)->text();
    const QString slowDraw = ui.box("tirage", 1)->text();
    const QString wrongDraw = ui.box("tirage", 2)->text();
    tick(QStringLiteral("Timer3"), 1);
    typeAndEnter(answerOf(0));
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("OK"));
    tick(QStringLiteral("Timer3"), 6);
    typeAndEnter(answerOf(1));
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("NO"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QCOMPARE(ui.label("score")->text(), QStringLiteral("2/3"));
    QCOMPARE(ui.label("nbseries")->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("1"));
    QCOMPARE(ui.box("solution", 2)->text(), wrongDraw);  // an extension list swaps the texts
    QVERIFY(ui.box("solution", 2)->toolTip().startsWith(QStringLiteral("Vous aviez saisi: ")));
    QVERIFY(!ui.box("solution", 2)->font().strikeOut());
    QCOMPARE(f.logic().state().successCount[0], 0);

    // The fast one is gone; the slow and the wrong one come back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QCOMPARE(ui.box("motsleft")->text(), QStringLiteral("2"));
    QStringList shown = {ui.box("tirage", 0)->text(), ui.box("tirage", 1)->text()};
    shown.sort();
    QStringList expected = {slowDraw, wrongDraw};
    expected.sort();
    QCOMPARE(shown, expected);
    typeAndEnter(answerOf(0));
    typeAndEnter(answerOf(1));  // box 1 is left for box 2: graded in time
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QCOMPARE(ui.label("score")->text(), QStringLiteral("2/2"));
    QVERIFY(!ui.button("restart")->isEnabled() && !ui.button("corriger")->isEnabled());
    QCOMPARE(ui.button("Command1", 2)->text(), QStringLiteral("R"));
    QCOMPARE(ui.label("nbftot")->text(), QStringLiteral("1"));

    QTest::mouseClick(ui.button("quitter"), Qt::LeftButton);
    QVERIFY(app->launcher.isVisible());
    QVERIFY(!ui.timer("Timer1")->isActive() && !ui.timer("Timer2")->isActive());
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
