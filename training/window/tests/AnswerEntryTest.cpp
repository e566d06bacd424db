// Typing, moving between boxes, grading by speed, "Valider" and the letter tiles.
#include <training/window/tests/DrillFixture.h>

#include <look/Colour.h>
#include <look/Look.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using testsupport::WindowProbe;
using training::Form1;

class AnswerEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void upperCaseFilter_data();
    void upperCaseFilter();
    void lengthLimit_data();
    void lengthLimit();
    void navigation_data();
    void navigation();
    void emptySlotRefusesTyping();
    void correctionAndNewSeriesKeys();
    void gradingBySpeed_data();
    void gradingBySpeed();
    void onceMissedStaysMissed();
    void bySuccessesGradesNothing();
    void newSeriesGradesNoBoxLeftBehind();
    void validerCopiesSearchBox();
    void showTiles_data();
    void showTiles();

private:
    static void typeText(QWidget* box, const QString& text);
    static void switchToSpeed(const DrillFixture& drill) { drill.ui().button("Command4")->click(); }
};

void AnswerEntryTest::typeText(QWidget* box, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void AnswerEntryTest::upperCaseFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a") << QStringLiteral("a") << QStringLiteral("A");
    QTest::newRow("a to z") << QStringLiteral("azmq") << QStringLiteral("AZMQ");
    QTest::newRow("capitals") << QStringLiteral("AZ") << QStringLiteral("AZ");
    QTest::newRow("accented") << QString::fromUtf8("éèç") << QString::fromUtf8("éèç");
    QTest::newRow("digits") << QStringLiteral("0129") << QStringLiteral("0129");
    QTest::newRow("hyphen and space") << QStringLiteral("a-b c") << QStringLiteral("A-B C");
    QTest::newRow("neighbours of a..z") << QStringLiteral("`{@[") << QStringLiteral("`{@[");
}

void AnswerEntryTest::upperCaseFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("ABCDEFGHIJ;X")}));
    typeText(drill.solution(0), typed);
    QCOMPARE(drill.solution(0)->text(), shown);
    typeText(drill.ui().box("recherche"), typed);
    QCOMPARE(drill.ui().box("recherche")->text(), shown);
    QCOMPARE(drill.beeps, 0);
}

void AnswerEntryTest::lengthLimit_data()
{
    QTest::addColumn<QString>("already");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("paste three too long")
        << QString() << QStringLiteral("ABCDEFGH") << QStringLiteral("ABCDE") << 3;
    QTest::newRow("sixth character")
        << QStringLiteral("ABCDE") << QStringLiteral("F") << QStringLiteral("ABCDE") << 1;
    QTest::newRow("exact length") << QStringLiteral("AB") << QStringLiteral("CDE")
                                  << QStringLiteral("ABCDE") << 0;
    QTest::newRow("paste in the middle")
        << QStringLiteral("ABCD") << QStringLiteral("XY") << QStringLiteral("ABCDX") << 1;
}

void AnswerEntryTest::lengthLimit()
{
    QFETCH(QString, already);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("5 lettres"), 0, {QStringLiteral("EDCBA;ABCDE")}));
    drill.solution(0)->setText(already);
    drill.solution(0)->end(false);  // where the player's typing of `already` left the cursor
    QCOMPARE(drill.beeps, 0);
    drill.solution(0)->insert(pasted);
    QCOMPARE(drill.solution(0)->text(), kept);
    QCOMPARE(drill.beeps, beeps);
}

void AnswerEntryTest::navigation_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("Enter in box 29") << 29 << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in box 3") << 3 << int(Qt::Key_Enter) << 4;
    QTest::newRow("Up in box 0") << 0 << int(Qt::Key_Up) << 29;
    QTest::newRow("Up in box 12") << 12 << int(Qt::Key_Up) << 11;
    QTest::newRow("Down in box 5") << 5 << int(Qt::Key_Down) << 6;
    QTest::newRow("Down in box 29") << 29 << int(Qt::Key_Down) << 0;
}

void AnswerEntryTest::navigation()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    drill.focus(from);
    QTest::keyClick(ui.box("solution", from), Qt::Key(key));
    QCOMPARE(form.focusedSlot(), to);
    QCOMPARE(int(form.logic().state().currentSlot), to);
    QCOMPARE(look::background(ui.box("solution", to)), look::Colour::currentAnswer);
    QCOMPARE(look::background(ui.box("tirage", to)), look::Colour::currentDraw);
    QCOMPARE(look::background(ui.box("solution", from)), look::Colour::answer);
    QCOMPARE(look::background(ui.box("tirage", from)), look::Colour::draw);
    QCOMPARE(ui.button("Command1", 0)->text(), ui.box("tirage", to)->text().left(1));
}

// A series of 12: Enter in box 11 leads to box 12, whose empty draw takes nothing.
void AnswerEntryTest::emptySlotRefusesTyping()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(12)));
    QVERIFY(!ui.box("tirage", 11)->text().isEmpty());
    QVERIFY(ui.box("tirage", 12)->text().isEmpty());
    drill.focus(11);
    QTest::keyClick(ui.box("solution", 11), Qt::Key_Return);
    QCOMPARE(form.focusedSlot(), 12);
    QTest::keyClicks(ui.box("solution", 12), QStringLiteral("abc"));
    QVERIFY(ui.box("solution", 12)->text().isEmpty());
    QCOMPARE(drill.beeps, 3);
    switchToSpeed(drill);
    drill.focus(12);
    const QString before = ui.label("voyant")->text();
    QTest::keyClick(ui.box("solution", 12), Qt::Key_Down);  // leaving an empty slot grades nothing
    QCOMPARE(form.logic().state().slotState[12], std::int16_t(-1));
    QCOMPARE(ui.label("voyant")->text(), before);
}

void AnswerEntryTest::correctionAndNewSeriesKeys()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    drill.focus(4);
    QTest::keyClick(ui.box("solution", 4), Qt::Key_F8);  // no new series while this one is open
    QVERIFY(ui.button("corriger")->isEnabled());
    QTest::keyClick(ui.box("solution", 4), Qt::Key_F12);
    QVERIFY(!ui.button("corriger")->isEnabled());
    QVERIFY(ui.button("restart")->isEnabled());
    QCOMPARE(form.focusedSlot(), 4);  // F12 leaves the focus where it was
    QCOMPARE(ui.label("score")->text(), QStringLiteral("0/30"));
    QTest::keyClick(ui.box("solution", 4),
                    Qt::Key_F12);  // a corrected series is not corrected again
    QCOMPARE(ui.label("nbseries")->text(), QString::fromUtf8("1 série(s) déjà réalisée(s)."));
    QTest::keyClick(ui.button("restart"), Qt::Key_F8);  // F8 on the button itself
    QVERIFY(ui.button("corriger")->isEnabled());
    QVERIFY(!ui.button("restart")->isEnabled());
    QCOMPARE(form.focusedSlot(), 0);
    QVERIFY(ui.label("score")->isHidden());
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F12);
    QTest::keyClick(ui.box("solution", 0), Qt::Key_F8);
    QVERIFY(ui.button("corriger")->isEnabled());
}

void AnswerEntryTest::gradingBySpeed_data()
{
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("state");
    QTest::newRow("4 s under 5") << QStringLiteral("5") << 4 << true << QStringLiteral("OK") << 1;
    QTest::newRow("5 s under 5") << QStringLiteral("5") << 5 << true << QStringLiteral("NO") << 0;
    QTest::newRow("wrong answer") << QStringLiteral("5") << 0 << false << QStringLiteral("NO") << 0;
    QTest::newRow("2 s under 2.5")
        << QStringLiteral("2.5") << 2 << true << QStringLiteral("OK") << 1;
    QTest::newRow("2 s under 2,5")
        << QStringLiteral("2,5") << 2 << true << QStringLiteral("NO") << 0;
    QTest::newRow("no number") << QStringLiteral("vite") << 0 << true << QStringLiteral("NO") << 0;
}

void AnswerEntryTest::gradingBySpeed()
{
    QFETCH(QString, threshold);
    QFETCH(int, seconds);
    QFETCH(bool, right);
    QFETCH(QString, verdict);
    QFETCH(int, state);
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    switchToSpeed(drill);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.box("seuiltxt")->setText(threshold);
    drill.focus(7);
    QVERIFY(ui.timer("Timer3")->isActive());
    QCOMPARE(form.logic().state().answerSeconds, std::int16_t(0));
    for (int tick = 0; tick < seconds; ++tick)
        ui.tick("Timer3");
    const QString draw = ui.box("tirage", 7)->text();
    ui.box("solution", 7)->setText(right ? QLatin1Char('S') + draw.mid(1) : QStringLiteral("S999"));
    QTest::keyClick(ui.box("solution", 7), Qt::Key_Down);
    QVERIFY(ui.timer("Timer3")->isActive());  // restarted by the arrival in box 8
    QCOMPARE(form.logic().state().answerSeconds, std::int16_t(0));
    QCOMPARE(ui.label("voyant")->text(), verdict);
    QCOMPARE(int(form.logic().state().slotState[7]), state);
}

// Under the criterion by speed a slot graded "NO" stays missed.
void AnswerEntryTest::onceMissedStaysMissed()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    switchToSpeed(drill);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_Down);  // empty: "NO"
    QCOMPARE(form.logic().state().slotState[0], std::int16_t(0));
    ui.box("solution", 1)->setText(QLatin1Char('S') + ui.box("tirage", 1)->text().mid(1));
    QTest::keyClick(ui.box("solution", 1), Qt::Key_Up);
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("OK"));
    ui.box("solution", 0)->setText(QLatin1Char('S') + ui.box("tirage", 0)->text().mid(1));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_Down);  // right and quick, but too late
    QCOMPARE(form.logic().state().slotState[0], std::int16_t(0));
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("OK"));
}

void AnswerEntryTest::bySuccessesGradesNothing()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    QVERIFY(!ui.timer("Timer3")->isActive());
    QTest::keyClick(ui.box("solution", 0), Qt::Key_Down);
    QVERIFY(!ui.timer("Timer3")->isActive());
    QCOMPARE(form.logic().state().slotState[0], std::int16_t(-1));
    QVERIFY(ui.label("voyant")->text().isEmpty());
}

// F8 in box 5 under the criterion by speed: the box left for the first one belongs to
// the series just corrected and is not graded against the new one.
void AnswerEntryTest::newSeriesGradesNoBoxLeftBehind()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    switchToSpeed(drill);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    ui.box("solution", 5)->setText(QLatin1Char('S') + ui.box("tirage", 5)->text().mid(1));
    drill.focus(5);
    QTest::keyClick(ui.box("solution", 5), Qt::Key_F12);
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("NO"));  // the empty last slot
    QTest::keyClick(ui.box("solution", 5), Qt::Key_F8);
    QCOMPARE(form.focusedSlot(), 0);
    QCOMPARE(form.logic().state().slotState[5], std::int16_t(-1));
    QVERIFY(ui.timer("Timer3")->isActive());
    QCOMPARE(form.logic().state().answerSeconds, std::int16_t(0));
    ui.box("solution", 0)->setText(QLatin1Char('S') + ui.box("tirage", 0)->text().mid(1));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_Down);
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("OK"));
    QCOMPARE(form.logic().state().slotState[0], std::int16_t(1));
}

void AnswerEntryTest::validerCopiesSearchBox()
{
    DrillFixture drill;
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    switchToSpeed(drill);
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(40)));
    drill.focus(3);
    for (int tick = 0; tick < 9; ++tick)
        ui.tick("Timer3");  // time spent in box 3 before going to the search box
    const QString draw = ui.box("tirage", 3)->text();
    ui.box("recherche")->setFocus();
    QTest::mouseClick(ui.box("recherche"), Qt::LeftButton);
    QVERIFY(ui.button("valider")->isDefault() && !ui.button("Command2")->isDefault());
    QCOMPARE(look::background(ui.box("solution", 3)), look::Colour::currentAnswer);
    QCOMPARE(look::background(ui.box("tirage", 0)), look::Colour::draw);
    QTest::keyClicks(ui.box("recherche"), QLatin1Char('s') + draw.mid(1).toLower());
    QTest::keyClick(ui.box("recherche"), Qt::Key_Return);
    QCOMPARE(ui.box("solution", 3)->text(), QLatin1Char('S') + draw.mid(1));
    QVERIFY(ui.box("recherche")->text().isEmpty());
    QCOMPARE(form.focusedSlot(), 4);
    QVERIFY(ui.button("Command2")->isDefault() && !ui.button("valider")->isDefault());
    // Leaving box 3 empty for the search box graded it "NO"; a missed slot stays missed.
    QCOMPARE(ui.label("voyant")->text(), QStringLiteral("NO"));
    QCOMPARE(form.logic().state().slotState[3], std::int16_t(0));
}

void AnswerEntryTest::showTiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("tiles");
    const QStringList before{"Q", "W", "E", "R", "T", "Y", "", "", ""};
    QTest::newRow("plus and nine letters")
        << QStringLiteral("AB+CDEFGHI") << QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    QTest::newRow("plus and three letters")
        << QStringLiteral("+ABC") << QStringList{"+", "A", "B", "C", "", "", "", "", ""};
    QTest::newRow("ten letters") << QStringLiteral("ABCDEFGHIJ") << before;
    QTest::newRow("empty") << QString() << before;
    QTest::newRow("bravo") << QStringLiteral(" BRAVO! ")
                           << QStringList{" ", "B", "R", "A", "V", "O", "!", " ", ""};
}

// The tiles first spell "QWERTY", with tiles 0 and 3 swapped; then the focus arrives in the
// slot whose draw box shows `text`, or the drill ends (" BRAVO! ").
void AnswerEntryTest::showTiles()
{
    QFETCH(QString, text);
    QFETCH(QStringList, tiles);
    DrillFixture drill;
    const WindowProbe& ui = drill.ui();
    const QStringList lines = {QStringLiteral("QWERTY;QWERTY"),
                               QStringLiteral("AB+CDEFGHI;ABCDEFGHI"), QStringLiteral("+ABC;ABC"),
                               QStringLiteral("ABCDEFGHIJ;ABCDEFGHIJ")};
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, lines));
    drill.focus(drill.slotOf(QStringLiteral("QWERTY")));
    ui.button("Command1", 0)->click();
    ui.button("Command1", 3)->click();  // tiles 0 and 3 swapped
    if (text == QLatin1String(" BRAVO! ")) {
        for (const QString& line : lines)
            drill.solution(drill.slotOf(line.section(QLatin1Char(';'), 0, 0)))
                ->setText(line.section(QLatin1Char(';'), 1));
        ui.button("corriger")->click();
    } else {
        drill.focus(drill.slotOf(text));
    }
    for (int k = 0; k < Form1::kTiles; ++k)
        QCOMPARE(ui.button("Command1", k)->text(), tiles[k]);
    if (text.size() != 10 || text.contains(QLatin1Char('+')))
        if (!text.isEmpty())
            QCOMPARE(look::left(ui.button("Command1", 0)), 3000);  // laid out again from home
}

QTEST_MAIN(AnswerEntryTest)
#include "AnswerEntryTest.moc"
