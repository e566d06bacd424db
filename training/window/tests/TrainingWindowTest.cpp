// The training window as created, and the start of a drill.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

using training::Form1;

using WidgetOf = std::function<QWidget*(Form1&)>;
Q_DECLARE_METATYPE(WidgetOf)

class TrainingWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlPlaces_data();
    void controlPlaces();
    void labelPlaces_data();
    void labelPlaces();
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

void TrainingWindowTest::controlPlaces_data()
{
    QTest::addColumn<WidgetOf>("widget");
    QTest::addColumn<QRect>("twips");
    auto row = [](const char* name, WidgetOf widget, QRect rect) {
        QTest::newRow(name) << widget << rect;
    };
    // clang-format off
    row("tirage(0)", [](Form1& f) { return f.tirage[0]; }, {360, 600, 1600, 375});
    row("tirage(29)", [](Form1& f) { return f.tirage[29]; }, {8160, 6000, 1600, 375});
    row("solution(15)", [](Form1& f) { return f.solution[15]; }, {6060, 3600, 1600, 375});
    row("Frame1(1)", [](Form1& f) { return f.Frame1[1]; }, {4200, 360, 3600, 6255});
    row("Command1(8)", [](Form1& f) { return f.Command1[8]; }, {7800, 6960, 600, 600});
    row("Command3", [](Form1& f) { return f.Command3; }, {10200, 0, 1455, 255});
    row("Command2", [](Form1& f) { return f.Command2; }, {11400, 6120, 135, 375});
    row("restart", [](Form1& f) { return f.restart; }, {360, 7080, 1455, 375});
    row("corriger", [](Form1& f) { return f.corriger; }, {8880, 7080, 1095, 375});
    row("Check1", [](Form1& f) { return f.Check1; }, {10200, 7080, 255, 255});
    row("temps", [](Form1& f) { return f.temps; }, {10560, 7440, 495, 285});
    row("tempstot", [](Form1& f) { return f.tempstot; }, {10560, 7800, 735, 285});
    row("motsleft", [](Form1& f) { return f.motsleft; }, {1600, 7785, 495, 285});
    row("recherche", [](Form1& f) { return f.recherche; }, {4560, 7770, 1215, 300});
    row("valider", [](Form1& f) { return f.valider; }, {5880, 7770, 975, 300});
    row("Command5", [](Form1& f) { return f.Command5; }, {10200, 8160, 975, 255});
    row("seuiltxt", [](Form1& f) { return f.seuiltxt; }, {2000, 9120, 255, 285});
    row("quitter", [](Form1& f) { return f.quitter; }, {10200, 9120, 1215, 495});
    row("Command4", [](Form1& f) { return f.Command4; }, {360, 9360, 2775, 255});
    // clang-format on
}

void TrainingWindowTest::controlPlaces()
{
    QFETCH(WidgetOf, widget);
    QFETCH(QRect, twips);
    Form1 form;
    const QRect expected(look::px(twips.x()), look::px(twips.y()), look::px(twips.width()),
                         look::px(twips.height()));
    QCOMPARE(widget(form)->geometry(), expected);
    QCOMPARE(look::left(widget(form)), twips.x());
    QCOMPARE(form.size(), QSize(look::px(11805), look::px(9780)));
}

void TrainingWindowTest::labelPlaces_data()
{
    QTest::addColumn<WidgetOf>("widget");
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QString>("caption");
    auto row = [](const char* name, WidgetOf widget, QPoint at, const char* caption) {
        QTest::newRow(name) << widget << at << QString::fromUtf8(caption);
    };
    // clang-format off
    row("Label7", [](Form1& f) { return f.Label7; }, {360, 45}, "Base");
    row("police", [](Form1& f) { return f.police; }, {10080, 0}, "1");
    row("Label3", [](Form1& f) { return f.Label3; }, {10560, 7080}, "TEMPS");
    row("Label1", [](Form1& f) { return f.Label1; }, {10080, 7440}, "Série");
    row("Label2", [](Form1& f) { return f.Label2; }, {10080, 7800}, "Total");
    row("Label4", [](Form1& f) { return f.Label4; }, {360, 7800}, "Tirages restants :");
    row("score", [](Form1& f) { return f.score; }, {9120, 7800}, "");
    row("tps", [](Form1& f) { return f.tps; }, {9120, 8160}, "");
    row("nbseries", [](Form1& f) { return f.nbseries; }, {360, 8280}, "0 série déjà réalisée");
    row("Label8", [](Form1& f) { return f.Label8; }, {8880, 8640}, "Nombre de fautes :");
    row("nbftot", [](Form1& f) { return f.nbftot; }, {10320, 8640}, "");
    row("Label5", [](Form1& f) { return f.Label5; }, {360, 9120}, "Eliminer un mot après ");
    row("Label6", [](Form1& f) { return f.Label6; }, {2355, 9120}, "réussites.");
    row("voyant", [](Form1& f) { return f.voyant; }, {3360, 9360}, "");
    // clang-format on
}

void TrainingWindowTest::labelPlaces()
{
    QFETCH(WidgetOf, widget);
    QFETCH(QPoint, twips);
    QFETCH(QString, caption);
    Form1 form;
    auto* label = qobject_cast<QLabel*>(widget(form));
    QVERIFY(label);
    QCOMPARE(label->pos(), QPoint(look::px(twips.x()), look::px(twips.y())));
    QCOMPARE(label->text(), caption);
    if (!caption.isEmpty())  // sized to its caption
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
    QCOMPARE(look::background(label), look::Colour::window);
}

void TrainingWindowTest::creationLooks()
{
    Form1 form;
    QCOMPARE(form.windowTitle(), QString::fromUtf8("ENTRAINEMENT SCRABBLE - Nouveautés ODS 6"));
    QCOMPARE(look::background(&form), look::Colour::window);
    for (int i = 0; i < Form1::kSlots; ++i) {
        QVERIFY(form.tirage[i]->isReadOnly());
        QCOMPARE(form.tirage[i]->font().family(), QStringLiteral("Georgia"));
        QCOMPARE(form.solution[i]->font().pointSizeF(), 11.0);
        QCOMPARE(look::background(form.tirage[i]), look::Colour::draw);
        QCOMPARE(look::background(form.solution[i]), look::Colour::answer);
    }
    for (QPushButton* tile : form.Command1) {
        QCOMPARE(tile->font().family(), QStringLiteral("Arial"));
        QCOMPARE(tile->font().pointSizeF(), 22.0);
        QCOMPARE(look::background(tile), look::Colour::tile);
    }
    QCOMPARE(form.tileLeft, std::int16_t(3000));
    QCOMPARE(form.tileWidth, std::int16_t(600));
    QCOMPARE(look::background(form.seuiltxt), look::Colour::threshold);
    QCOMPARE(look::background(form.recherche), look::Colour::answer);
    QVERIFY(form.score->font().bold());
    QCOMPARE(form.Label7->font().pointSizeF(), 9.75);
    QVERIFY(!form.corriger->isEnabled() && !form.restart->isEnabled()
            && !form.motsleft->isEnabled());
    QVERIFY(form.Check1->isChecked());
    QCOMPARE(form.temps->text(), QStringLiteral("4:00"));
    QCOMPARE(form.tempstot->text(), QStringLiteral("0:00:00"));
    for (QTimer* timer : {form.Timer1, form.Timer2, form.Timer3}) {
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }
    QCOMPARE(form.lettre, std::int16_t(-1));
    QCOMPARE(form.fontNumber, std::int16_t(1));
    QCOMPARE(form.state().secondsLeft, 240);
    QCOMPARE(form.defaultButton, form.Command2);
}

void TrainingWindowTest::gridPoints_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("list");
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
    QFETCH(int, list);
    QFETCH(double, points);
    DrillFixture drill;
    QVERIFY(drill.start(QString::fromUtf8("9 lettres"), 0, ListFolder::entries(3)));
    QCOMPARE(drill.form->tirage[0]->font().pointSizeF(), 10.0);
    drill.form->Command3_Click();
    drill.form->Command3_Click();  // Verdana is the face of the draws now
    QVERIFY(drill.start(title, list, ListFolder::entries(3)));
    for (int i = 0; i < Form1::kSlots; ++i) {
        QCOMPARE(drill.form->tirage[i]->font().pointSizeF(), points);
        QCOMPARE(drill.form->solution[i]->font().pointSizeF(), points);
        QCOMPARE(drill.form->tirage[i]->font().family(), QStringLiteral("Verdana"));
    }
    QCOMPARE(drill.form->Label7->text(), title);
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
    look::setBackground(form.tempstot, Qt::red);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(entries)));
    QCOMPARE(form.Label7->text(), QStringLiteral("7 lettres"));
    QCOMPARE(form.motsleft->text(), QString::number(entries));
    QSet<QString> shown;
    for (int i = 0; i < Form1::kSlots; ++i) {
        if (i < filled) {
            QVERIFY(form.tirage[i]->text().startsWith(QLatin1Char('D')));
            shown.insert(form.tirage[i]->text());
        } else {
            QVERIFY(form.tirage[i]->text().isEmpty());
            QCOMPARE(form.state().seriesEntry[i], -1);
        }
        QVERIFY(form.solution[i]->text().isEmpty());
        QCOMPARE(form.state().slotState[i], std::int16_t(-1));
    }
    QCOMPARE(shown.size(), filled);  // no entry twice
    QVERIFY(form.corriger->isEnabled());
    QVERIFY(!form.restart->isEnabled());
    QVERIFY(form.Timer1->isActive() && form.Timer2->isActive());
    QCOMPARE(form.focusedSlot(), 0);
    QCOMPARE(look::background(form.tirage[0]), look::Colour::currentDraw);
    QCOMPARE(look::background(form.solution[0]), look::Colour::currentAnswer);
    QCOMPARE(look::background(form.tempstot), look::systemWindow());
    QCOMPARE(look::background(form.seuiltxt), look::systemWindow());
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    if (filled > 0)
        QCOMPARE(form.Command1[0]->text(), form.tirage[0]->text().left(1));
}

void TrainingWindowTest::lineSplitAtFirstSemicolon()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("ABCDEFG;DEF;GHI")}));
    QCOMPARE(drill.form->tirage[0]->text(), QStringLiteral("ABCDEFG"));
    drill.form->solution_KeyDown(0, Qt::Key_F12);
    QCOMPARE(drill.form->tirage[0]->text(), QStringLiteral("DEF;GHI"));  // the solutions, revealed
}

void TrainingWindowTest::missingListChangesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("named");
    QTest::newRow("file missing") << QStringLiteral("8 lettres") << 0
                                  << QStringLiteral("data/ods6new_8L.txt");
    QTest::newRow("title in the other list") << QString::fromUtf8("2 à 9 lettres (tout)") << 0
                                             << QString::fromUtf8("2 à 9 lettres (tout)");
    QTest::newRow("typed title") << QStringLiteral("huit lettres") << 1
                                 << QStringLiteral("huit lettres");
}

void TrainingWindowTest::missingListChangesNothing()
{
    QFETCH(QString, title);
    QFETCH(int, list);
    QFETCH(QString, named);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(12)));
    const QString shown = drill.form->tirage[3]->text();
    QVERIFY(!drill.form->commencer(title, list));
    QVERIFY(drill.form->loadMessage().contains(named));
    QCOMPARE(drill.form->Label7->text(), QStringLiteral("7 lettres"));
    QCOMPARE(drill.form->state().entryCount, 12);
    QCOMPARE(drill.form->tirage[3]->text(), shown);
}

// A short list after a longer one: only the new entries come, errors count from 0.
void TrainingWindowTest::drillAfterLongerDrill()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(500)));
    drill.form->corriger_Click();
    QCOMPARE(drill.form->nbftot->text(), QStringLiteral("30"));
    QVERIFY(drill.start(QStringLiteral("5 lettres"), 0,
                        {QStringLiteral("ABC;CAB"), QStringLiteral("EFG;FEG")}));
    QCOMPARE(drill.form->state().errorCount, 0);
    QCOMPARE(drill.form->state().entryCount, 2);
    QSet<QString> draws{drill.form->tirage[0]->text(), drill.form->tirage[1]->text()};
    QCOMPARE(draws, (QSet<QString>{QStringLiteral("ABC"), QStringLiteral("EFG")}));
    QVERIFY(drill.form->tirage[2]->text().isEmpty());
}

// F8 pressed in the first box: the new series is highlighted all the same.
void TrainingWindowTest::arrivalRunsWhenFirstBoxHasFocus()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    form.focusAnswer(0);
    QTest::keyClick(form.solution[0], Qt::Key_F12);
    QCOMPARE(look::background(form.solution[0]), look::Colour::missed);
    form.recherche_Click();
    QTest::keyClick(form.solution[0], Qt::Key_F8);
    QVERIFY(form.corriger->isEnabled());
    QCOMPARE(look::background(form.solution[0]), look::Colour::currentAnswer);
    QCOMPARE(look::background(form.tirage[0]), look::Colour::currentDraw);
    QCOMPARE(look::background(form.solution[1]), look::Colour::answer);
    QCOMPARE(look::background(form.tirage[1]), look::Colour::draw);
    QCOMPARE(form.defaultButton, form.Command2);
    QCOMPARE(form.Command1[0]->text(), form.tirage[0]->text().left(1));
}

void TrainingWindowTest::closeBoxRefused()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QVERIFY(QTest::qWaitForWindowExposed(drill.form.get()));
    QVERIFY(!drill.form->close());
    QVERIFY(!drill.form->windowHandle()->close());
    QVERIFY(drill.form->isVisible());
    QVERIFY(drill.form->Timer1->isActive() && drill.form->Timer2->isActive());
    QVERIFY(drill.form->corriger->isEnabled());
}

QTEST_MAIN(TrainingWindowTest)
#include "TrainingWindowTest.moc"
