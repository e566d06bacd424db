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
        return answers.at(form().tirage[static_cast<std::size_t>(slot)]->text());
    }
    Form1& form() const { return app->form(); }
    void tick(QTimer* timer, void (Form1::*handler)(), int count);

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

void EndToEndTest::tick(QTimer* timer, void (Form1::*handler)(), int count)
{
    for (int k = 0; k < count; ++k) {
        QVERIFY(timer->isActive());
        (form().*handler)();
    }
}

void EndToEndTest::firstDrillBySuccesses()
{
    QVERIFY(app->launch(QStringLiteral("5 lettres (anag multiples)"), 1));
    Form1& f = form();
    QCOMPARE(f.Label7->text(), QStringLiteral("5 lettres (anag multiples)"));
    QCOMPARE(f.motsleft->text(), QStringLiteral("5"));
    QVERIFY(f.corriger->isEnabled() && !f.restart->isEnabled());
    QCOMPARE(QApplication::focusWidget(), f.solution[0]);
    QVERIFY(f.tirage[5]->text().isEmpty());
    tick(f.Timer2, &Form1::Timer2_Timer, 3);
    QCOMPARE(f.tempstot->text(), QStringLiteral("0:00:03"));
    tick(f.Timer1, &Form1::Timer1_Timer, 1);
    QCOMPARE(f.temps->text(), QStringLiteral("3:59"));

    // Four right answers typed in lower case, one wrong, then F12 from the last box.
    const QString missedDraw = f.tirage[2]->text();
    for (int slot = 0; slot < 5; ++slot)
        typeAndEnter(slot == 2 ? QStringLiteral("zzzzzz") : answerOf(slot).toLower());
    QCOMPARE(f.solution[2]->text(), QStringLiteral("ZZZZZ"));  // capitals, cut to the draw
    QCOMPARE(QApplication::focusWidget(), f.solution[5]);
    QTest::keyClick(f.solution[5], Qt::Key_F12);
    QVERIFY(!f.corriger->isEnabled() && f.restart->isEnabled());
    QCOMPARE(f.score->text(), QStringLiteral("4/5"));
    QCOMPARE(f.nbseries->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(f.nbftot->text(), QStringLiteral("1"));
    QCOMPARE(f.tps->text(), QStringLiteral("0:01"));
    QCOMPARE(look::background(f.temps), look::Colour::stopped);
    QCOMPARE(look::background(f.solution[0]), look::Colour::found);
    QCOMPARE(look::background(f.solution[2]), look::Colour::missed);
    QVERIFY(f.solution[2]->font().strikeOut());
    QCOMPARE(f.solution[2]->toolTip(), QStringLiteral("Tirage: ") + missedDraw);
    QCOMPARE(f.tirage[2]->text(), answers.at(missedDraw));
    QCOMPARE(f.motsleft->text(), QStringLiteral("5"));  // until the next draw

    // F8: the one entry left; the series clock text waits for its first tick.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QVERIFY(f.corriger->isEnabled() && !f.restart->isEnabled());
    QCOMPARE(f.motsleft->text(), QStringLiteral("1"));
    QCOMPARE(f.tirage[0]->text(), missedDraw);
    QVERIFY(f.tirage[1]->text().isEmpty());
    QCOMPARE(f.temps->text(), QStringLiteral("3:59"));
    QVERIFY(!f.solution[2]->font().strikeOut());
    QVERIFY(f.solution[2]->toolTip().isEmpty());
    typeAndEnter(answers.at(missedDraw));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);

    // Finished.
    QCOMPARE(f.score->text(), QStringLiteral("1/1"));
    QCOMPARE(f.nbseries->text(), QStringLiteral("2 série(s) déjà réalisée(s)."));
    QVERIFY(!f.corriger->isEnabled() && !f.restart->isEnabled());
    QVERIFY(!f.Timer2->isActive());
    QCOMPARE(look::background(f.tempstot), look::Colour::stopped);
    QCOMPARE(f.Command1[1]->text(), QStringLiteral("B"));
    QCOMPARE(f.Command1[6]->text(), QStringLiteral("!"));
    QCOMPARE(look::background(f.Command1[4]), look::Colour::missed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QVERIFY(!f.corriger->isEnabled());

    QTest::mouseClick(f.quitter, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(app->launcher.isVisible());
    QCOMPARE(f.nbseries->text(), QStringLiteral("0 série déjà réalisée."));
    QCOMPARE(f.nbftot->text(), QStringLiteral("0"));
    QCOMPARE(look::background(f.Command1[4]), look::Colour::tile);
    QCOMPARE(f.Command1[1]->text(),
             QStringLiteral("B"));  // " BRAVO! " stays until a box gets the focus
}

void EndToEndTest::secondDrillBySpeed()
{
    Form1& f = form();
    QVERIFY(app->launch(QStringLiteral("Rallonge av. 1L <10L"), 0));
    QCOMPARE(f.Label7->text(), QStringLiteral("Rallonge av. 1L <10L"));
    QCOMPARE(f.motsleft->text(), QStringLiteral("3"));
    QCOMPARE(f.logic.state().errorCount, 0);
    QCOMPARE(look::background(f.tempstot), look::systemWindow());
    tick(f.Timer2, &Form1::Timer2_Timer, 1);
    QCOMPARE(f.tempstot->text(), QStringLiteral("0:00:01"));
    QCOMPARE(f.Command1[0]->text(), f.tirage[0]->text().left(1));

    // The criterion by speed, threshold 5: box 0 right in 1 s, box 1 right in 6 s,
    // box 2 wrong; F12 in box 2 grades it with its own seconds.
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    QCOMPARE(f.seuiltxt->text(), QStringLiteral("5"));
    QTest::mouseClick(f.solution[0], Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.solution[0]);
    const QString fastDraw = f.tirage[0]->text();
    const QString slowDraw = f.tirage[1]->text();
    const QString wrongDraw = f.tirage[2]->text();
    tick(f.Timer3, &Form1::Timer3_Timer, 1);
    typeAndEnter(answerOf(0));
    QCOMPARE(f.voyant->text(), QStringLiteral("OK"));
    tick(f.Timer3, &Form1::Timer3_Timer, 6);
    typeAndEnter(answerOf(1));
    QCOMPARE(f.voyant->text(), QStringLiteral("NO"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QCOMPARE(f.score->text(), QStringLiteral("2/3"));
    QCOMPARE(f.nbseries->text(), QStringLiteral("1 série(s) déjà réalisée(s)."));
    QCOMPARE(f.nbftot->text(), QStringLiteral("1"));
    QCOMPARE(f.solution[2]->text(), wrongDraw);  // an extension list swaps the texts
    QVERIFY(f.solution[2]->toolTip().startsWith(QStringLiteral("Vous aviez saisi: ")));
    QVERIFY(!f.solution[2]->font().strikeOut());
    QCOMPARE(f.logic.state().successCount[0], std::string("0"));

    // The fast one is gone; the slow and the wrong one come back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QCOMPARE(f.motsleft->text(), QStringLiteral("2"));
    QStringList shown = {f.tirage[0]->text(), f.tirage[1]->text()};
    shown.sort();
    QStringList expected = {slowDraw, wrongDraw};
    expected.sort();
    QCOMPARE(shown, expected);
    typeAndEnter(answerOf(0));
    typeAndEnter(answerOf(1));  // box 1 is left for box 2: graded in time
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QCOMPARE(f.score->text(), QStringLiteral("2/2"));
    QVERIFY(!f.restart->isEnabled() && !f.corriger->isEnabled());
    QCOMPARE(f.Command1[2]->text(), QStringLiteral("R"));
    QCOMPARE(f.nbftot->text(), QStringLiteral("1"));

    QTest::mouseClick(f.quitter, Qt::LeftButton);
    QVERIFY(app->launcher.isVisible());
    QVERIFY(!f.Timer1->isActive() && !f.Timer2->isActive());
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
