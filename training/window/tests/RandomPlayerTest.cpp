// A player who does anything at all: tens of thousands of random keys, clicks, clock
// ticks, pauses, criterion switches, departures and new drills, with the invariants of
// the drill checked after every one of them.
#include <training/window/tests/LauncherFixture.h>

#include <textfile/Cp1252.h>

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

using training::Form1;

namespace {

constexpr int kEvents = 20000;
constexpr std::uint32_t kSeed = 20261207;

// The seed and the number of events; PLAYER_SEED and PLAYER_EVENTS replace them for
// longer explorations by hand.
std::uint32_t playerSeed()
{
    bool ok = false;
    const uint seed = qEnvironmentVariable("PLAYER_SEED").toUInt(&ok);
    return ok ? seed : kSeed;
}

int playerEvents()
{
    bool ok = false;
    const int events = qEnvironmentVariable("PLAYER_EVENTS").toInt(&ok);
    return ok && events > 0 ? events : kEvents;
}

// Types `text` into `widget` key by key, accented letters included.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget,
                            static_cast<Qt::Key>(character.toUpper().unicode()), QString(character),
                            Qt::NoModifier);
}

std::string bytesOf(const QString& text)
{
    return textfile::Cp1252::encode(text.toStdU16String());
}

// Seven-letter entries, with a few that no player can find (two solutions longer than
// the draw), one found by an empty answer, one with accents, one with a "+".
QStringList sevenLetterList(std::mt19937& random)
{
    QStringList lines;
    const QString letters = QStringLiteral("AEINRSTLOUCDMP");
    for (int n = 0; n < 45; ++n) {
        QString word;
        for (int k = 0; k < 7; ++k)
            word += letters.at(static_cast<int>(random() % static_cast<unsigned>(letters.size())));
        QString draw = word;
        std::sort(draw.begin(), draw.end());
        lines << draw + QLatin1Char(';') + word;
    }
    lines << QStringLiteral("AEILNRT;LATRINE RATELIN");
    lines << QStringLiteral("EEMRST;");
    lines << QStringLiteral("ÉÉLRSV;RÉVÉLS");
    lines << QStringLiteral("ABCDEFG+HI;ABCDEFGHI");
    return lines;
}

}  // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playerKeepsTheDrillConsistent();
    void longPasteIsCutToTheDraw();

private:
    using Action = std::function<void()>;

    void play();
    void checkInvariants();
    QWidget* keyTarget();
    int anySlot() { return static_cast<int>(pick(drill::kSlots)); }
    std::size_t pick(std::size_t count) { return static_cast<std::size_t>(random() % count); }
    bool chance(int percent) { return static_cast<int>(random() % 100) < percent; }
    void click(QWidget* widget, const QString& name);
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeCharacter();
    void typeRightAnswer();
    void answerWholeSeries();
    void paste();
    void launchSomeList();
    void tickSeries(int ticks);

    std::unique_ptr<LauncherFixture> app;
    std::mt19937 random{playerSeed()};
    std::int32_t entriesAtLastCheck = 0;
    int typedInto = -1;
    bool seriesClockTicked = false;  // the last event ticked the series clock
    bool seriesWasOpen = false;      // answer box that the last event typed a character into
    std::deque<QString> recent;
    int drillsStarted = 0;
    int corrections = 0;
    int finishedDrills = 0;
};

void RandomPlayerTest::playerKeepsTheDrillConsistent()
{
    app = std::make_unique<LauncherFixture>(playerSeed());
    QVERIFY(app->launcher.training());
    std::mt19937 words(7);
    app->writeList(QStringLiteral("7 lettres"), 0, sevenLetterList(words));
    app->writeList(QStringLiteral("Rallonge av. 1L <10L"), 0,
                   {QStringLiteral("+ABRI;CABRI"), QStringLiteral("+CRI;ECRI"),
                    QStringLiteral("+OSE;ROSE"), QStringLiteral("+ILE;BILE"),
                    QStringLiteral("+ART;PART"), QStringLiteral(""), QStringLiteral("+MER;AMER"),
                    QStringLiteral("+ROI;FROI")});
    app->writeList(QStringLiteral("5 lettres (anag multiples)"), 1,
                   {QStringLiteral("AEILR;ALIER"), QStringLiteral("AEIRT;ARETE"),
                    QStringLiteral("ACERT;CARET"), QStringLiteral("EINRS;RESIN"),
                    QStringLiteral("AELST;SALET")});
    app->writeList(QStringLiteral("9 lettres"), 0, {});  // an empty list: a series without draws
    app->writeList(QStringLiteral("8 lettres"), 0,
                   {QStringLiteral("ABCDEFGH;ABCDEFGH"), QStringLiteral("BAD LINE")});
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));

    play();
    if (QTest::currentTestFailed())
        return;
    qInfo("%d events, %d drills started, %d corrections, %d drills finished, %d beeps",
          playerEvents(), drillsStarted, corrections, finishedDrills, app->beeps);
    QVERIFY(drillsStarted > 5);
    QVERIFY(corrections > 50);
    QVERIFY(finishedDrills > 0);
    app.reset();
}

// Found by the player: a paste of thousands of characters into an answer box ran out
// of stack, each removed character nesting one more change of the text.
void RandomPlayerTest::longPasteIsCutToTheDraw()
{
    LauncherFixture fixture(1);
    fixture.writeList(QStringLiteral("5 lettres"), 0, {QStringLiteral("AEILR;ALIER")});
    QVERIFY(fixture.launch(QStringLiteral("5 lettres"), 0));
    const testsupport::WindowProbe& ui = fixture.ui();
    QCOMPARE(QApplication::focusWidget(), ui.box("solution", 0));
    QGuiApplication::clipboard()->setText(QString(32767, QLatin1Char('Z')));
    QTest::keyClick(ui.box("solution", 0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ui.box("solution", 0)->text(), QStringLiteral("ZZZZZ"));
    QCOMPARE(fixture.beeps, 32762);

    ui.box("solution", 0)->clear();
    ui.box("recherche")->setText(QString(32767, QLatin1Char('Y')));
    QTest::mouseClick(ui.button("valider"), Qt::LeftButton);
    QCOMPARE(ui.box("solution", 0)->text(), QStringLiteral("YYYYY"));
    QCOMPARE(fixture.beeps, 2 * 32762);
    QCOMPARE(fixture.form().focusedSlot(), 1);
}

void RandomPlayerTest::play()
{
    Form1& form = app->form();
    const testsupport::WindowProbe& ui = app->ui();
    const std::vector<std::pair<int, Action>> actions = {
        {30, [this] { typeCharacter(); }},
        {10, [this] { typeRightAnswer(); }},
        {1, [this] { answerWholeSeries(); }},
        {8, [this] { pressKey(Qt::Key_Return); }},
        {4, [this] { pressKey(Qt::Key_Down); }},
        {4, [this] { pressKey(Qt::Key_Up); }},
        {3, [this] { pressKey(Qt::Key_F8); }},
        {2, [this] { pressKey(Qt::Key_F12); }},
        {3, [this] { pressKey(chance(50) ? Qt::Key_Backspace : Qt::Key_Delete); }},
        {2, [this] { pressKey(chance(50) ? Qt::Key_Home : Qt::Key_Left); }},
        {2, [this] { pressKey(Qt::Key_Tab, chance(50) ? Qt::ShiftModifier : Qt::NoModifier); }},
        {1, [this] { paste(); }},
        {6,
         [&ui, this] {
             const int slot = anySlot();
             click(ui.box("solution", slot), QStringLiteral("solution(%1)").arg(slot));
         }},
        {1,
         [&ui, this] {
             const int slot = anySlot();
             click(ui.box("tirage", slot), QStringLiteral("tirage(%1)").arg(slot));
         }},
        {4,
         [&ui, this] {
             const std::size_t tile = pick(Form1::kTiles);
             click(ui.button("Command1", tile), QStringLiteral("Command1(%1)").arg(tile));
         }},
        {2, [&ui, this] { click(ui.box("recherche"), QStringLiteral("recherche")); }},
        {1, [&ui, this] { click(ui.button("valider"), QStringLiteral("valider")); }},
        {2, [&ui, this] { click(ui.button("corriger"), QStringLiteral("corriger")); }},
        {2, [&ui, this] { click(ui.button("restart"), QStringLiteral("restart")); }},
        {1, [&ui, this] { click(ui.button("Command2"), QStringLiteral("Command2")); }},
        {1, [&ui, this] { click(ui.button("Command3"), QStringLiteral("Command3")); }},
        {1, [&ui, this] { click(ui.button("Command4"), QStringLiteral("Command4")); }},
        {1, [&ui, this] { click(ui.button("Command5"), QStringLiteral("Command5")); }},
        {1, [&ui, this] { click(ui.get<QCheckBox>("Check1"), QStringLiteral("Check1")); }},
        {1,
         [&ui, this] {
             click(ui.box("seuiltxt"), QStringLiteral("seuiltxt"));
             ui.box("seuiltxt")
                 ->setText(QString::fromLatin1(
                     std::vector<const char*>{"1", "2", "0", "2.5", "abc", "", "9", "3"}[pick(8)]));
         }},
        {8, [this] { tickSeries(1); }},
        {1, [this] { tickSeries(static_cast<int>(pick(250))); }},
        {3,
         [&ui] {
             if (ui.timer("Timer2")->isActive())
                 ui.tick("Timer2");
         }},
        {6,
         [&ui] {
             if (ui.timer("Timer3")->isActive())
                 ui.tick("Timer3");
         }},
        {1, [] { QCoreApplication::processEvents(); }},
        {1, [&form] { form.close(); }},  // the close box: refused
        {1,
         [&ui, this] {
             if (chance(15))
                 click(ui.button("quitter"), QStringLiteral("quitter"));
         }},
    };
    int totalWeight = 0;
    for (const auto& action : actions)
        totalWeight += action.first;

    for (int event = 0, events = playerEvents(); event < events; ++event) {
        typedInto = -1;
        seriesClockTicked = false;
        if (!form.isVisible()) {
            launchSomeList();
        } else {
            int roll = static_cast<int>(pick(static_cast<std::size_t>(totalWeight)));
            for (const auto& action : actions) {
                roll -= action.first;
                if (roll < 0) {
                    action.second();
                    break;
                }
            }
        }
        checkInvariants();
        if (QTest::currentTestFailed()) {
            qWarning("broken after event %d; the last events:", event);
            for (const QString& line : recent)
                qWarning("  %s", qPrintable(line));
            return;
        }
        const bool finished = form.isVisible() && !ui.button("corriger")->isEnabled()
            && !ui.button("restart")->isEnabled();
        if (finished && chance(10))
            click(
                ui.button("quitter"),
                QStringLiteral("quitter"));  // a finished drill: the player leaves sooner or later
    }
}

void RandomPlayerTest::launchSomeList()
{
    static const std::vector<std::pair<QString, int>> choices = {
        {QStringLiteral("7 lettres"), 0},
        {QStringLiteral("7 lettres"), 0},
        {QStringLiteral("Rallonge av. 1L <10L"), 0},
        {QStringLiteral("5 lettres (anag multiples)"), 1},
        {QStringLiteral("5 lettres (anag multiples)"), 1},
        {QStringLiteral("9 lettres"), 0},
        {QStringLiteral("8 lettres"), 0},                    // refused: a line without ";"
        {QStringLiteral("6 lettres"), 0},                    // refused: no file
        {QStringLiteral("6 lettres (solution unique)"), 0},  // refused: not in this box
    };
    const auto& [title, box] = choices[pick(choices.size())];
    recent.push_back(QStringLiteral("launch %1 in box %2").arg(title).arg(box));
    bool started = app->launch(title, box);
    auto* question = app->launcherControls().get<QMessageBox>(QStringLiteral("reprise"));
    if (question->isVisible()) {  // a list left under way: resume it, start it again, or not
        static const char* const answers[] = {"reprendre", "recommencer", "annulerReprise"};
        const char* answer = answers[pick(3)];
        recent.push_back(QStringLiteral("answer %1").arg(QLatin1String(answer)));
        app->launcherControls().button(QLatin1String(answer))->click();
        QVERIFY(!question->isVisible());
        started = app->form().isVisible();
        QCOMPARE(started, qstrcmp(answer, "annulerReprise") != 0);
        if (!started)
            return;
    }
    if (started) {
        ++drillsStarted;
        entriesAtLastCheck = app->form().logic().state().entryCount;
        seriesWasOpen = false;
        QVERIFY2(app->launcherControls().label(QStringLiteral("message"))->text().isEmpty(),
                 qPrintable(app->launcherControls().label(QStringLiteral("message"))->text()));
    } else {
        QVERIFY2(!app->launcherControls().label(QStringLiteral("message"))->text().isEmpty(),
                 qPrintable(title));
        QVERIFY(app->launcher.isVisible());
    }
}

QWidget* RandomPlayerTest::keyTarget()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused : app->ui().box(QStringLiteral("solution"), anySlot());
}

void RandomPlayerTest::click(QWidget* widget, const QString& name)
{
    recent.push_back(QStringLiteral("click ") + name);
    if (widget->isVisible())
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

void RandomPlayerTest::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = keyTarget();
    recent.push_back(QStringLiteral("key %1 (modifiers %2) in %3")
                         .arg(QKeySequence(key).toString())
                         .arg(modifiers.toInt())
                         .arg(QString::fromLatin1(target->metaObject()->className())));
    QTest::keyClick(target, key, modifiers);
}

void RandomPlayerTest::typeCharacter()
{
    static const QString characters = QStringLiteral("abcdefghijklmnopqrstuvwxyzAEIRSTÉé-+ 1;");
    QWidget* target = keyTarget();
    const QString character =
        characters.mid(static_cast<int>(pick(static_cast<std::size_t>(characters.size()))), 1);
    recent.push_back(QStringLiteral("type %1").arg(character));
    typeText(target, character);
    const testsupport::WindowProbe& ui = app->ui();
    // A locked box (pause) takes no character: correction may have left it longer than
    // its draw box, which now shows the solutions, and only typing cuts it.
    for (int slot = 0; slot < drill::kSlots; ++slot)
        if (ui.box("solution", slot) == target && !ui.box("solution", slot)->isReadOnly())
            typedInto = slot;
}

void RandomPlayerTest::typeRightAnswer()
{
    Form1& form = app->form();
    const testsupport::WindowProbe& ui = app->ui();
    const int slot = form.focusedSlot();
    const drill::DrillState& state = form.logic().state();
    if (slot < 0 || state.seriesEntry[static_cast<std::size_t>(slot)] < 0
        || state.seriesEntry[static_cast<std::size_t>(slot)] >= state.entryCount)
        return;
    const std::string& solutions =
        state
            .solutions[static_cast<std::size_t>(state.seriesEntry[static_cast<std::size_t>(slot)])];
    QString answer = QString::fromStdU16String(textfile::Cp1252::decode(solutions));
    if (chance(50))
        answer = answer.toLower();  // the upper-case filter raises a to z again
    recent.push_back(QStringLiteral("answer %1 in %2").arg(answer).arg(slot));
    QLineEdit* box = ui.box("solution", slot);
    QTest::keyClick(box, Qt::Key_End);
    for (int k = 0; k < 12; ++k)
        QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar character : answer) {
        typeText(box, QString(character));
        typedInto = box->isReadOnly() ? -1 : slot;
        checkInvariants();
    }
}

// A player who knows every answer: each filled box in turn, then F12.
void RandomPlayerTest::answerWholeSeries()
{
    Form1& form = app->form();
    const testsupport::WindowProbe& ui = app->ui();
    recent.push_back(QStringLiteral("answer the whole series"));
    for (int slot = 0; slot < drill::kSlots && !QTest::currentTestFailed(); ++slot) {
        if (form.logic().state().seriesEntry[static_cast<std::size_t>(slot)] < 0)
            break;
        QTest::mouseClick(ui.box("solution", slot), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        typeRightAnswer();
        checkInvariants();
    }
    pressKey(Qt::Key_F12);
}

void RandomPlayerTest::paste()
{
    const int length = chance(10) ? 300 : static_cast<int>(pick(12));
    QString text;
    for (int k = 0; k < length; ++k)
        text += QChar(u'A' + static_cast<char16_t>(pick(26)));
    QGuiApplication::clipboard()->setText(text);
    recent.push_back(QStringLiteral("paste %1 characters").arg(length));
    pressKey(Qt::Key_V, Qt::ControlModifier);
}

void RandomPlayerTest::tickSeries(int ticks)
{
    const testsupport::WindowProbe& ui = app->ui();
    recent.push_back(QStringLiteral("series clock, %1 ticks").arg(ticks));
    for (int k = 0; k < ticks && ui.timer("Timer1")->isActive(); ++k) {
        ui.tick("Timer1");
        seriesClockTicked = true;
    }
}

void RandomPlayerTest::checkInvariants()
{
    while (recent.size() > 25)
        recent.pop_front();
    Form1& form = app->form();
    const testsupport::WindowProbe& ui = app->ui();
    if (!form.isVisible())
        return;
    const drill::DrillState& state = form.logic().state();
    QVERIFY2(!(ui.button("corriger")->isEnabled() && ui.button("restart")->isEnabled()),
             "corriger and restart both enabled");
    QVERIFY2(state.entryCount <= entriesAtLastCheck, "the pool grew within a drill");
    if (state.entryCount < entriesAtLastCheck && state.entryCount == 0)
        ++finishedDrills;
    entriesAtLastCheck = state.entryCount;
    if (seriesWasOpen && !ui.button("corriger")->isEnabled())
        ++corrections;
    seriesWasOpen = ui.button("corriger")->isEnabled();
    // Only an open series has running series and answer clocks; correction reads the
    // series clock back, so each tick writes it in the form m:ss (the player may type
    // into the box between ticks).
    QVERIFY2(!ui.timer("Timer1")->isActive() || ui.button("corriger")->isEnabled(),
             "series clock running on a closed series");
    QVERIFY2(!ui.timer("Timer3")->isActive() || ui.button("corriger")->isEnabled(),
             "answer stopwatch running on a closed series");
    static const QRegularExpression seriesClock(QStringLiteral("^[0-4]:[0-5][0-9]$"));
    if (seriesClockTicked)
        QVERIFY2(seriesClock.match(ui.box("temps")->text()).hasMatch(),
                 qPrintable(ui.box("temps")->text()));
    // The pause is one state: caption, locked answer boxes and the search box agree.
    const bool paused = ui.button("Command5")->text() != QLatin1String("Pause");
    QVERIFY2(ui.box("recherche")->isEnabled() != paused, "search box and pause disagree");
    for (int slot = 0; slot < drill::kSlots; ++slot)
        QVERIFY2(ui.box("solution", slot)->isReadOnly() == paused,
                 "answer box lock and pause disagree");
    if (ui.button("corriger")->isEnabled()) {
        QCOMPARE(ui.box("motsleft")->text(), QString::number(state.entryCount));
        for (int slot = 0; slot < drill::kSlots; ++slot) {
            const QString shown = ui.box("tirage", slot)->text();
            const std::int32_t entry = state.seriesEntry[static_cast<std::size_t>(slot)];
            if (shown.isEmpty() && entry < 0)
                continue;
            QVERIFY2(
                entry >= 0 && entry < state.entryCount,
                qPrintable(
                    QStringLiteral("slot %1 shows %2 for no entry in play").arg(slot).arg(shown)));
            QVERIFY2(
                bytesOf(shown) == state.draws[static_cast<std::size_t>(entry)],
                qPrintable(
                    QStringLiteral("slot %1 shows %2, not its entry's draw").arg(slot).arg(shown)));
        }
    }
    if (typedInto >= 0) {
        const auto slot = static_cast<std::size_t>(typedInto);
        QVERIFY2(
            ui.box("solution", slot)->text().size() <= ui.box("tirage", slot)->text().size(),
            qPrintable(QStringLiteral("answer %1 longer than draw %2")
                           .arg(ui.box("solution", slot)->text(), ui.box("tirage", slot)->text())));
    }
}

QTEST_MAIN(RandomPlayerTest)
#include "RandomPlayerTest.moc"
