// The training window as created, and the start of a drill.
#include <training/window/tests/DrillFixture.h>

#include <files/ShownPath.h>
#include <look/Colour.h>
#include <look/Look.h>
#include <testsupport/WindowLayout.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using testsupport::WindowLayout;
using testsupport::WindowProbe;
using training::Form1;

class TrainingWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsFitTheWindow();
    void labelsHoldTheirCaptions();
    void tabOrderFollowsTheTable();
    void creationLooks();
    void gridPoints_data();
    void gridPoints();
    void firstSeries_data();
    void firstSeries();
    void lineSplitAtFirstSemicolon();
    void missingListChangesNothing_data();
    void missingListChangesNothing();
    void drillAfterLongerDrill();
    void arrivalRunsWhenFirstBoxHasFocus();
    void closeBoxRefused();
};

// Every control of the table stands inside the window, and none covers another but where
// the design lays one on the other: the sliver of Command2 on the last answer box, the foot
// of the threshold box on "Changer critère", and the corners of the rectangle around the
// clocks.
void TrainingWindowTest::controlsFitTheWindow()
{
    Form1 form;
    QCOMPARE(form.size(), QSize(look::px(11805), look::px(9780)));
    const QStringList outside = WindowLayout::outside(form);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    const QStringList designed = {"Command2 / solution(29)", "seuiltxt / Command4",
                                  "Line1(0) / Line2(0)",     "Line1(0) / Line2(1)",
                                  "Line1(1) / Line2(0)",     "Line1(1) / Line2(1)"};
    const QStringList overlaps = WindowLayout::overlaps(form, designed);
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    QCOMPARE(form.findChildren<QFrame*>(QRegularExpression("^Frame1")).size(), 3);
    QCOMPARE(form.findChildren<QTimer*>(QRegularExpression("^Timer")).size(), 3);
}

// Labels size themselves to their caption and take the window's colour.
void TrainingWindowTest::labelsHoldTheirCaptions()
{
    Form1 form;
    const QList<QLabel*> labels = form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 14);
    for (const QLabel* label : labels) {
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
        QCOMPARE(look::background(label), look::Colour::window);
    }
    const WindowProbe ui(form);
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("0 série déjà réalisée"));
    QCOMPARE(ui.label("Label5")->text(), QString::fromUtf8("Eliminer un mot après "));
}

// Tab walks the answer boxes first, then the draws, the tiles and the other controls, as the
// table numbers them; every control that Tab reaches has its number.
void TrainingWindowTest::tabOrderFollowsTheTable()
{
    Form1 form;
    QCOMPARE(WindowLayout::withoutTabIndex(form), QStringList());
    const QStringList ordered = WindowLayout::byTabIndex(form);
    QCOMPARE(WindowLayout::tabWalk(form), ordered);
    QCOMPARE(ordered.mid(0, 2), (QStringList{"solution(0)", "solution(1)"}));
    QCOMPARE(ordered.indexOf("solution(29)") + 1, ordered.indexOf("tirage(0)"));
    QCOMPARE(ordered.indexOf("corriger") + 1, ordered.indexOf("restart"));
}

void TrainingWindowTest::creationLooks()
{
    Form1 form;
    const WindowProbe ui(form);
    QCOMPARE(form.windowTitle(), QString::fromUtf8("ENTRAINEMENT SCRABBLE - Nouveautés ODS 6"));
    QCOMPARE(look::background(&form), look::Colour::window);
    for (int i = 0; i < drill::kSlots; ++i) {
        QVERIFY(ui.box("tirage", i)->isReadOnly());
        QCOMPARE(ui.box("tirage", i)->font().family(), QStringLiteral("Georgia"));
        QCOMPARE(ui.box("solution", i)->font().pointSizeF(), 11.0);
        QCOMPARE(look::background(ui.box("tirage", i)), look::Colour::draw);
        QCOMPARE(look::background(ui.box("solution", i)), look::Colour::answer);
    }
    for (int k = 0; k < Form1::kTiles; ++k) {
        const QPushButton* tile = ui.button("Command1", k);
        QCOMPARE(tile->font().family(), QStringLiteral("Arial"));
        QCOMPARE(tile->font().pointSizeF(), 22.0);
        QCOMPARE(look::background(tile), look::Colour::tile);
        QCOMPARE(look::left(tile), 3000 + 600 * k);  // the tiles' home row
        QCOMPARE(look::twips(tile->width()), 600);
    }
    QCOMPARE(look::background(ui.box("seuiltxt")), look::Colour::threshold);
    QCOMPARE(look::background(ui.box("recherche")), look::Colour::answer);
    QVERIFY(ui.label("score")->font().bold());
    QCOMPARE(ui.label("Label7")->font().pointSizeF(), 9.75);
    QVERIFY(!ui.button("corriger")->isEnabled() && !ui.button("restart")->isEnabled()
            && !ui.box("motsleft")->isEnabled());
    QVERIFY(ui.get<QCheckBox>("Check1")->isChecked());
    QCOMPARE(ui.box("temps")->text(), QStringLiteral("4:00"));
    QCOMPARE(ui.box("tempstot")->text(), QStringLiteral("0:00:00"));
    for (QTimer* timer : {ui.timer("Timer1"), ui.timer("Timer2"), ui.timer("Timer3")}) {
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }
    QCOMPARE(form.pendingTile(), -1);
    QCOMPARE(form.fontNumber(), 1);
    QCOMPARE(form.logic().state().secondsLeft, 240);
    QVERIFY(ui.button("Command2")->isDefault());
}

void TrainingWindowTest::gridPoints_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("box");
    QTest::addColumn<double>("points");
    QTest::newRow("9 lettres (solution unique)")
        << QString::fromUtf8("9 lettres (solution unique)") << 1 << 10.0;
    QTest::newRow("Verbes transitifs") << QString::fromUtf8("Verbes transitifs <11L") << 0 << 10.0;
    QTest::newRow("Mots invariables") << QString::fromUtf8("Mots invariables <11L") << 0 << 10.0;
    QTest::newRow("9 lettres (anag) second")
        << QString::fromUtf8("9 lettres (anag multiples)") << 1 << 10.0;
    QTest::newRow("2 à 9 lettres") << QString::fromUtf8("2 à 9 lettres") << 0 << 11.0;
    QTest::newRow("2 à 9 lettres (tout)") << QString::fromUtf8("2 à 9 lettres (tout)") << 1 << 11.0;
    QTest::newRow("7 lettres") << QString::fromUtf8("7 lettres") << 0 << 11.0;
}

// The size follows the list while the face chosen with "Changer de police" stays.
void TrainingWindowTest::gridPoints()
{
    QFETCH(QString, title);
    QFETCH(int, box);
    QFETCH(double, points);
    DrillFixture drill;
    QVERIFY(drill.start(QString::fromUtf8("9 lettres"), 0, ListFolder::entries(3)));
    QCOMPARE(drill.tirage(0)->font().pointSizeF(), 10.0);
    drill.ui().button("Command3")->click();
    drill.ui().button("Command3")->click();  // Verdana is the face of the draws now
    QVERIFY(drill.start(title, box, ListFolder::entries(3)));
    for (int i = 0; i < drill::kSlots; ++i) {
        QCOMPARE(drill.tirage(i)->font().pointSizeF(), points);
        QCOMPARE(drill.solution(i)->font().pointSizeF(), points);
        QCOMPARE(drill.tirage(i)->font().family(), QStringLiteral("Verdana"));
    }
    QCOMPARE(drill.ui().label("Label7")->text(), title);
}

void TrainingWindowTest::firstSeries_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("filled");
    QTest::newRow("empty list") << 0 << 0;
    QTest::newRow("one entry") << 1 << 1;
    QTest::newRow("seven entries") << 7 << 7;
    QTest::newRow("thirty entries") << 30 << 30;
    QTest::newRow("forty entries") << 40 << 30;
}

void TrainingWindowTest::firstSeries()
{
    QFETCH(int, entries);
    QFETCH(int, filled);
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    look::setBackground(ui.box("tempstot"), Qt::red);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(entries)));
    QCOMPARE(ui.label("Label7")->text(), QStringLiteral("7 lettres"));
    QCOMPARE(ui.box("motsleft")->text(), QString::number(entries));
    QSet<QString> shown;
    for (int i = 0; i < drill::kSlots; ++i) {
        if (i < filled) {
            QVERIFY(ui.box("tirage", i)->text().startsWith(QLatin1Char('D')));
            shown.insert(ui.box("tirage", i)->text());
        } else {
            QVERIFY(ui.box("tirage", i)->text().isEmpty());
            QCOMPARE(form.logic().state().seriesEntry[i], -1);
        }
        QVERIFY(ui.box("solution", i)->text().isEmpty());
        QCOMPARE(form.logic().state().slotState[i], std::int16_t(-1));
    }
    QCOMPARE(shown.size(), filled);  // no entry twice
    QVERIFY(ui.button("corriger")->isEnabled());
    QVERIFY(!ui.button("restart")->isEnabled());
    QVERIFY(ui.timer("Timer1")->isActive() && ui.timer("Timer2")->isActive());
    QCOMPARE(form.focusedSlot(), 0);
    QCOMPARE(look::background(ui.box("tirage", 0)), look::Colour::currentDraw);
    QCOMPARE(look::background(ui.box("solution", 0)), look::Colour::currentAnswer);
    QCOMPARE(look::background(ui.box("tempstot")), look::systemWindow());
    QCOMPARE(look::background(ui.box("seuiltxt")), look::systemWindow());
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    if (filled > 0)
        QCOMPARE(ui.button("Command1", 0)->text(), ui.box("tirage", 0)->text().left(1));
}

void TrainingWindowTest::lineSplitAtFirstSemicolon()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("ABCDEFG;DEF;GHI")}));
    QCOMPARE(drill.tirage(0)->text(), QStringLiteral("ABCDEFG"));
    QTest::keyClick(drill.solution(0), Qt::Key_F12);
    QCOMPARE(drill.tirage(0)->text(), QStringLiteral("DEF;GHI"));  // the solutions, revealed
}

void TrainingWindowTest::missingListChangesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("named");
    QTest::newRow("file missing") << QStringLiteral(
        "8 lettres") << 0 << QString::fromStdString(files::shownPath("data/ods6new_8L.txt"));
    QTest::newRow("title in the other list") << QString::fromUtf8("2 à 9 lettres (tout)") << 0
                                             << QString::fromUtf8("2 à 9 lettres (tout)");
    QTest::newRow("typed title") << QStringLiteral("huit lettres") << 1
                                 << QStringLiteral("huit lettres");
}

void TrainingWindowTest::missingListChangesNothing()
{
    QFETCH(QString, title);
    QFETCH(int, box);
    QFETCH(QString, named);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(12)));
    const QString shown = drill.tirage(3)->text();
    QVERIFY(!drill.form->commencer(title, box));
    QVERIFY(drill.form->loadMessage().contains(named));
    QCOMPARE(drill.ui().label("Label7")->text(), QStringLiteral("7 lettres"));
    QCOMPARE(drill.form->logic().state().entryCount, 12);
    QCOMPARE(drill.tirage(3)->text(), shown);
}

// A short list after a longer one: only the new entries come, errors count from 0.
void TrainingWindowTest::drillAfterLongerDrill()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(500)));
    drill.ui().button("corriger")->click();
    QCOMPARE(drill.ui().label("nbftot")->text(), QStringLiteral("30"));
    QVERIFY(drill.start(QStringLiteral("5 lettres"), 0,
                        {QStringLiteral("ABC;CAB"), QStringLiteral("EFG;FEG")}));
    QCOMPARE(drill.form->logic().state().errorCount, 0);
    QCOMPARE(drill.form->logic().state().entryCount, 2);
    QSet<QString> draws{drill.tirage(0)->text(), drill.tirage(1)->text()};
    QCOMPARE(draws, (QSet<QString>{QStringLiteral("ABC"), QStringLiteral("EFG")}));
    QVERIFY(drill.tirage(2)->text().isEmpty());
}

// F8 pressed in the first box: the new series is highlighted all the same.
void TrainingWindowTest::arrivalRunsWhenFirstBoxHasFocus()
{
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    drill.focus(0);
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F12);
    QCOMPARE(look::background(ui.box("solution", 0)), look::Colour::missed);
    QTest::mouseClick(ui.box("recherche"), Qt::LeftButton);
    QVERIFY(ui.button("valider")->isDefault());
    drill.focus(0);  // back in the first box, where F8 is pressed
    QCOMPARE(drill.form->focusedSlot(), 0);
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F8);
    QVERIFY(ui.button("corriger")->isEnabled());
    QCOMPARE(look::background(ui.box("solution", 0)), look::Colour::currentAnswer);
    QCOMPARE(look::background(ui.box("tirage", 0)), look::Colour::currentDraw);
    QCOMPARE(look::background(ui.box("solution", 1)), look::Colour::answer);
    QCOMPARE(look::background(ui.box("tirage", 1)), look::Colour::draw);
    QVERIFY(ui.button("Command2")->isDefault() && !ui.button("valider")->isDefault());
    QCOMPARE(ui.button("Command1", 0)->text(), ui.box("tirage", 0)->text().left(1));
}

void TrainingWindowTest::closeBoxRefused()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QVERIFY(QTest::qWaitForWindowExposed(drill.form.get()));
    QVERIFY(!drill.form->close());
    QVERIFY(!drill.form->windowHandle()->close());
    QVERIFY(drill.form->isVisible());
    QVERIFY(drill.ui().timer("Timer1")->isActive() && drill.ui().timer("Timer2")->isActive());
    QVERIFY(drill.ui().button("corriger")->isEnabled());
}

QTEST_MAIN(TrainingWindowTest)
#include "TrainingWindowTest.moc"
