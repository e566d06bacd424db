#include <training/window/Form1.h>

#include <places/ListFolders.h>
#include <training/progress/PlayerKeeping.h>
#include <training/window/GridFont.h>

#include <catalogue/Catalogue.h>
#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <look/ScreenFit.h>
#include <look/TextBox.h>
#include <training/drill/ClockRandomSource.h>
#include <training/drill/ClockText.h>
#include <training/drill/ListLoader.h>
#include <training/drill/Threshold.h>
#include <training/progress/DrillOptions.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

using drill::kSlots;

// Where the criterion sentence moves. Under the criterion by speed its first half is longer,
// so the threshold box and the unit move 900 twips to the right of where they stand. Back
// under successes they stand at 1800 and 2160, left of their designed 2000 and 2355: the
// designed first half ends with a blank that the switched one no longer has.
constexpr int kSpeedShift = 900;
constexpr int kSuccessBoxLeft = 1800;
constexpr int kSuccessUnitLeft = 2160;

// A review takes every draw due: the series draw picks its thirty at random among them, as in
// a list.
constexpr std::int32_t kReviewDraws = std::numeric_limits<std::int32_t>::max();

// The catalogue row whose file is `fileName`; null for a file the catalogue does not name.
const catalogue::ListRow* rowOfFile(const std::string& fileName)
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        if (row.fileName == fileName)
            return &row;
    return nullptr;
}

}  // namespace

namespace training {

// The controls after the grid's, in the order they are made (later ones stand above earlier
// ones). A new control takes one row here, and its handler, declared with the others, when it
// has one.
const Form1::Controls::Table& Form1::controlTable()
{
    // clang-format off
    static const Controls::Table table = [] {
        using K = look::Kind;
        using look::Style;
        namespace Colour = look::Colour;
        const Style result = Style().font("MS Sans Serif", 8.25, true).foreground(look::activeTitleBar());
        // Tab indices from 69 on: after the grid's answers, draws and tiles (AnswerGrid).
        return Controls::Table{
            {"Label7", K::label, "Base", {360, 45, 0, 0}, -1, nullptr, Style().font("MS Sans Serif", 9.75)},  // the list title
            {"police", K::label, "1", {10080, 0, 0, 0}, -1, nullptr},  // number of the next font
            {"Command3", K::button, "Changer de police", {10200, 0, 1455, 255}, 69, &Form1::Command3_Click},  // the next font
            {"Command2", K::button, "Command2", {11400, 6120, 135, 375}, 70, &Form1::Command2_Click},  // a sliver: the default button, Enter's next box
            {"corriger", K::button, "Corriger(F12)", {8880, 7080, 1095, 375}, 71, &Form1::corriger_Click, Style().disabled()},  // corrects the series
            {"restart", K::button, "Nouvelle série(F8)", {360, 7080, 1455, 375}, 72, &Form1::restart_Click, Style().disabled()},  // draws the next one
            {"Label4", K::label, "Tirages restants :", {360, 7800, 0, 0}, -1, nullptr},
            {"motsleft", K::textBox, "", {1600, 7785, 495, 285}, 73, nullptr, Style().disabled()},  // entries left
            {"recherche", K::textBox, "", {4560, 7770, 1215, 300}, 74, nullptr, Style().background(Colour::answer)},  // the search box
            {"valider", K::button, "Valider", {5880, 7770, 975, 300}, 75, &Form1::valider_Click},  // search box into the answer box
            {"score", K::label, "", {9120, 7800, 0, 0}, -1, nullptr, result},  // found / series size
            {"tps", K::label, "", {9120, 8160, 0, 0}, -1, nullptr, result},  // time the series took
            {"nbseries", K::label, "0 série déjà réalisée", {360, 8280, 0, 0}, -1, nullptr},  // series done
            {"Label8", K::label, "Nombre de fautes :", {8880, 8640, 0, 0}, -1, nullptr},
            {"nbftot", K::label, "", {10320, 8640, 0, 0}, -1, nullptr},  // wrong answers of the drill
            {"quitter", K::button, "Retour au sommaire", {10200, 9120, 1215, 495}, 76, &Form1::quitter_Click},  // back to the launcher
            {"voyant", K::label, "", {3360, 9360, 0, 0}, -1, nullptr},  // "OK" / "NO" of the last grading by speed
            {"Check1", K::checkBox, "", {10200, 7080, 255, 255}, 77, &Form1::Check1_Click, Style().checked()},  // shows the clocks
            {"Label3", K::label, "TEMPS", {10560, 7080, 0, 0}, -1, nullptr},
            {"Label1", K::label, "Série", {10080, 7440, 0, 0}, -1, nullptr},
            {"temps", K::lockedBox, "4:00", {10560, 7440, 495, 285}, 78, nullptr},  // series clock, written by its ticks only
            {"Label2", K::label, "Total", {10080, 7800, 0, 0}, -1, nullptr},
            {"tempstot", K::lockedBox, "0:00:00", {10560, 7800, 735, 285}, 79, nullptr},  // drill clock, written by its ticks only
            {"Command5", K::button, "Pause", {10200, 8160, 975, 255}, 80, &Form1::Command5_Click},  // pause and resume
            {"Label5", K::label, "Eliminer un mot après ", {360, 9120, 0, 0}, -1, nullptr},  // the criterion sentence...
            {"seuiltxt", K::textBox, "1", {2000, 9120, 255, 285}, 81, nullptr, Style().background(Colour::threshold)},  // ...its threshold...
            {"Label6", K::label, "réussites.", {2355, 9120, 0, 0}, -1, nullptr},  // ...and its unit
            {"Command4", K::button, "Changer critère", {360, 9360, 2775, 255}, 82, &Form1::Command4_Click},  // the other criterion
            // The rectangle around the correction and clock area.
            {"Line1(0)", K::line, "", {8760, 6960, 2640, 0}, -1, nullptr},
            {"Line1(1)", K::line, "", {8760, 9000, 2640, 0}, -1, nullptr},
            {"Line2(0)", K::line, "", {8760, 6960, 0, 2040}, -1, nullptr},
            {"Line2(1)", K::line, "", {11400, 6960, 0, 2040}, -1, nullptr},
            {"Timer1", K::timer, "", {}, -1, &Form1::Timer1_Timer},  // series clock
            {"Timer2", K::timer, "", {}, -1, &Form1::Timer2_Timer},  // drill clock
            {"Timer3", K::timer, "", {}, -1, &Form1::Timer3_Timer},  // answer stopwatch
            // Not one of the designed controls: the entry that an answer box's right-click menu
            // adds after a correction (Ctrl+M in the box does the same).
            {"compterRate", K::menuEntry, "Compter comme raté", {}, -1, &Form1::compterRate_Click},
        };
    }();
    // clang-format on
    return table;
}

Form1::Form1(QWidget* launcher)
    : QWidget(nullptr),
      beep([] { QApplication::beep(); }),
      dataFolders(places::ListFolders::afterWorkingFolder()),
      launcherWindow(launcher),
      random(std::make_unique<drill::ClockRandomSource>()),
      ownKeeping(std::make_unique<PlayerKeeping>()),
      keeping(ownKeeping.get())
{
    look::setUpWindow(this, QStringLiteral("ENTRAINEMENT SCRABBLE - Nouveautés ODS 6"),
                      look::face("MS Sans Serif", 8.25), QSize(11805, 9780), look::Colour::window);
    look::steadyTextCursor();
    look::ScreenFit::keep(this);
    grid = new AnswerGrid(this, *this);  // first: below the others and first in the Tab walk
    createControls();
    connectEvents();
    windowCreation();
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { closingAllowed = true; });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        closingAllowed = true;
        keepProgress();
    });
}

Form1::~Form1() = default;

// ---------------------------------------------------------------- controls

void Form1::createControls()
{
    // What stands on the window's own background shows its colour.
    for (look::Kind kind : {look::Kind::label, look::Kind::frame, look::Kind::checkBox})
        controls.setDefault(kind, look::Style().background(look::Colour::window));
    controls.build(controlTable());
    joinTabWalks();
    // Shown in the menu only: the answer box itself takes Ctrl+M (filterAnswerEvent).
    controls.get<QAction>("compterRate")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

// The window's Tab walk goes on from the grid's last stop, and on through the window's own
// controls in the order of their indices, as one table would have made it.
void Form1::joinTabWalks()
{
    std::vector<std::pair<int, QWidget*>> stops;
    for (const Controls::Row& row : controls.rows())
        if (row.tabIndex >= 0)
            stops.emplace_back(row.tabIndex, controls.get<QWidget>(row.name));
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = grid->lastTabStop();
    for (const auto& stop : stops)
        QWidget::setTabOrder(std::exchange(previous, stop.second), stop.second);
}

void Form1::connectEvents()
{
    for (const char* name : {"recherche", "seuiltxt", "temps", "tempstot"})
        box(name)->installEventFilter(this);
    controls.get<QCheckBox>("Check1")->installEventFilter(this);
    button("restart")->installEventFilter(this);
    connect(box("seuiltxt"), &QLineEdit::textChanged, this, &Form1::seuiltxt_Change);
}

// Runs once, when the window is first used.
void Form1::windowCreation()
{
    grid->forgetPendingTile();
    defaultButton = button("Command2");
    defaultButton->setDefault(true);
}

QLabel* Form1::label(const QString& name) const
{
    return controls.get<QLabel>(name);
}

look::TextBox* Form1::box(const QString& name) const
{
    return controls.get<look::TextBox>(name);
}

QPushButton* Form1::button(const QString& name) const
{
    return controls.get<QPushButton>(name);
}

QTimer* Form1::timer(const QString& name) const
{
    return controls.get<QTimer>(name);
}

void Form1::setRandomSource(std::unique_ptr<drill::RandomSource> source)
{
    random = std::move(source);
}

// ---------------------------------------------------------------- start of a drill

bool Form1::commencer(const QString& fichier, int liste)
{
    if (const catalogue::ListRow* list = catalogue::Catalogue::find(fichier.toStdString(), liste))
        return begin(*list, false);
    lastLoadMessage =
        QString::fromStdString(drill::ListLoader::unknownTitle(fichier.toStdString()));
    return false;
}

bool Form1::commencer(const catalogue::ListRow& list)
{
    return begin(list, false);
}

bool Form1::reprendre(const catalogue::ListRow& list)
{
    return begin(list, true);
}

bool Form1::reviser()
{
    study::Study* record = keeping->study();
    if (!record) {
        lastLoadMessage = QStringLiteral("Révisions impossibles : le relevé d'étude n'est pas "
                                         "ouvert.");
        return false;
    }
    const status::Result<std::vector<study::DeckDraw>> due = record->dueDraws(kReviewDraws);
    if (!due) {
        lastLoadMessage =
            QStringLiteral("Révisions impossibles : %1.").arg(QString::fromStdString(due.why()));
        return false;
    }
    return reviser(*due);
}

bool Form1::reviser(const std::vector<study::DeckDraw>& picked)
{
    if (!keeping->study()) {
        lastLoadMessage = QStringLiteral("Révisions impossibles : le relevé d'étude n'est pas "
                                         "ouvert.");
        return false;
    }
    std::vector<drill::ReviewDraw> draws;
    int points = static_cast<int>(GridFont::designed().pointSizeF());
    for (const study::DeckDraw& draw : picked) {
        if (draw.draw.empty())
            continue;  // an empty draw is the drill's mark of an eliminated entry
        const catalogue::ListRow* row = rowOfFile(draw.list);
        draws.push_back({{draw.draw, draw.solutions}, draw.list, row && row->isExtensionList()});
        if (row)  // the smaller face of the lists of the longest words, when one of them is there
            points = std::min(points, row->gridPoints());
    }
    if (draws.empty()) {
        lastLoadMessage = QStringLiteral("Aucun tirage à réviser pour l'instant : vos révisions "
                                         "du jour sont faites.");
        return false;
    }
    lastLoadMessage.clear();
    drilledList = nullptr;  // a review is no list: no progress is kept for it
    drilledFile.reset();
    drill_.startReview(reviewTitle().toStdString(), std::move(draws));
    // each slot under the list its draw came from, noted before the correction compacts
    slotList = [this](int slot, const drill::SlotCorrection&) { return correctedDraws[slot].list; };
    clockAtCorrection = drill_.state().totalSeconds;
    look::setCaption(label("Label7"), reviewTitle());
    grid->setPoints(points);
    look::setBackground(box("tempstot"), look::systemWindow());
    seriesDraw();
    return true;
}

bool Form1::begin(const catalogue::ListRow& list, bool resume)
{
    drill::ListLoad loaded = drill::ListLoader::loadFile(list.path(), dataFolders);
    if (!loaded.ok()) {
        lastLoadMessage = QString::fromStdString(loaded.why());
        return false;
    }
    lastLoadMessage.clear();
    const QString listPath = QString::fromStdString(loaded->path);
    drilledList = &list;
    drilledFile = ListFingerprint::of(listPath);
    const bool resumed = resume && resumeDrill(list, loaded->entries, listPath);
    if (!resumed)
        drill_.start(list, std::move(loaded->entries));
    if (!resumed)
        keeping->progress().startAfresh();
    slotList = [file = list.fileName](int, const drill::SlotCorrection&) { return file; };
    clockAtCorrection = drill_.state().totalSeconds;
    if (resumed)
        paintResumedCounters();
    look::setCaption(label("Label7"), QString::fromStdString(list.title));
    grid->setPoints(list.gridPoints());
    look::setBackground(box("tempstot"), look::systemWindow());
    seriesDraw();
    return true;
}

// The drill where the record of `list` left it; false when there is no record this list file
// can take (passed over as the keeping says).
bool Form1::resumeDrill(const catalogue::ListRow& list, std::vector<drill::ListEntry>& entries,
                        const QString& listPath)
{
    ProgressStore& progress = keeping->progress();
    ProgressStore::Found found = progress.find(list, listPath);
    if (found.state == ProgressStore::Found::State::usable) {
        if (drill_.resume(list, entries, found.saved)) {
            progress.follow(list, found);
            return true;
        }
        found.state = ProgressStore::Found::State::unusable;
        found.reason = QStringLiteral("elle nomme des tirages que la liste n'a pas");
    }
    keeping->passOver(list, found);
    return false;
}

// The counters and the drill clock as the resumed drill left them.
void Form1::paintResumedCounters()
{
    paintCounters();
    box("tempstot")->write(QString::fromStdString(drill_.drillClockText()));
}

// The series done and the wrong answers, as the drill says them.
void Form1::paintCounters()
{
    look::setCaption(label("nbseries"), QString::fromStdString(drill_.seriesDoneText()));
    look::setCaption(label("nbftot"), QString::fromStdString(drill_.errorCountText()));
}

// ---------------------------------------------------------------- series draw

void Form1::seriesDraw()
{
    const drill::SeriesDraw drawn = drill_.drawSeries(*random);
    box("motsleft")->writeWhole(QString::fromStdString(drawn.entriesLeftText));
    label("score")->hide();
    label("tps")->hide();
    countable.fill(false);
    grid->clearSeries();
    for (int s = 0; s < drawn.seriesSize; ++s)
        grid->writeDraw(s, drawn.drawTexts[s]);
    unsetCursor();
    look::setBackground(box("seuiltxt"), look::systemWindow());
    paintSeriesPhase();

    // The box left behind belonged to the series just corrected: it is not graded
    // against the new one. The arrival in the first box runs even when it already
    // holds the focus, so the new series always starts highlighted.
    if (grid->focusedSlot() > 0)
        timer("Timer3")->stop();
    grid->enterFirst();

    look::setBackground(box("temps"), look::systemWindow());
    timer("Timer1")->start();
    if (!timer("Timer2")->isActive())
        timer("Timer2")->start();
}

void Form1::newSeries()
{
    setCursor(Qt::WaitCursor);
    seriesDraw();
}

// "Nouvelle série" first: a focused "Corriger" that gets disabled hands the focus on to it.
void Form1::paintSeriesPhase()
{
    button("restart")->setEnabled(drill_.canDrawSeries());
    button("corriger")->setEnabled(drill_.seriesOpen());
}

// ---------------------------------------------------------------- correction

void Form1::correctSeries()
{
    timer("Timer1")->stop();
    timer("Timer3")->stop();
    look::setBackground(box("temps"), look::Colour::stopped);
    std::array<std::string, kSlots> answers;
    for (int i = 0; i < kSlots; ++i) {
        answers[i] = grid->answer(i);
        correctedDraws[i] = deckDrawOf(i);
    }
    const drill::CorrectionResult result = drill_.correctSeries(answers);
    keepAnswers(result);
    noteCountable(result);
    keepProgress(&result);
    paintVerdict(result.lastSlotVerdict);
    paintSeriesPhase();
    paintCorrection(result);
    if (result.finished)
        paintFinished();

    look::setCaption(label("score"), QString::fromStdString(result.scoreText));
    label("score")->show();
    paintCounters();
    look::setCaption(label("tps"), QString::fromStdString(result.timeUsedText));
    label("tps")->show();
}

void Form1::paintCorrection(const drill::CorrectionResult& result)
{
    for (int i = 0; i < kSlots; ++i) {
        if (result.slots[i].inSeries)
            grid->showCorrection(i, result.slots[i]);
    }
}

// ---------------------------------------------------------------- the study record

// A slot's draw as the study record knows it: under the list it came from in a review, under
// the drilled list otherwise.
study::DeckDraw Form1::deckDrawOf(int slot) const
{
    const std::int32_t entry = drill_.state().seriesEntry[static_cast<std::size_t>(slot)];
    if (entry < 0 || entry >= drill_.state().entryCount)
        return {};
    const auto k = static_cast<std::size_t>(entry);
    const std::string list = drill_.isReview() ? drill_.originOf(slot)
        : drilledList                          ? drilledList->fileName
                                               : std::string();
    return {list, drill_.state().draws[k], drill_.state().solutions[k]};
}

// The found slots of the correction just made may be counted as missed, until the next series.
void Form1::noteCountable(const drill::CorrectionResult& result)
{
    for (int i = 0; i < kSlots; ++i)
        countable[i] = result.slots[i].inSeries && result.slots[i].found;
}

bool Form1::canCountAsMissed(int slot) const
{
    return keeping->study() && slot >= 0 && slot < kSlots && countable[slot]
        && !drill_.seriesOpen();
}

// A find too slow to count: the record schedules the draw as if missed, the counters stay as
// the correction made them, and a review still under way draws it again.
void Form1::countAsMissed(int slot)
{
    if (!canCountAsMissed(slot)) {
        beep();
        return;
    }
    const study::DeckDraw& draw = correctedDraws[slot];
    const status::Status counted = keeping->study()->countAsMissed(draw);
    if (!counted) {
        grid->setAnswerTip(slot,
                           QStringLiteral("Non compté comme raté : %1.")
                               .arg(QString::fromStdString(counted.why())));
        return;
    }
    countable[slot] = false;
    grid->setAnswerTip(slot, QStringLiteral("Compté comme raté"));
    if (drill_.isReview()) {
        const catalogue::ListRow* row = rowOfFile(draw.list);
        drill_.putBack({{draw.draw, draw.solutions}, draw.list, row && row->isExtensionList()});
    }
}

void Form1::compterRate_Click()
{
    countAsMissed(std::exchange(menuSlot, -1));
}

// The box's own menu (copy, paste...) with « Compter comme raté » after it.
void Form1::answerMenu(int slot, const QContextMenuEvent& event)
{
    QMenu* menu = grid->answerMenu(slot);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    auto* entry = controls.get<QAction>("compterRate");
    entry->setEnabled(canCountAsMissed(slot));
    menu->addAction(entry);
    menuSlot = slot;
    menu->popup(event.globalPos());
}

void Form1::paintFinished()
{
    timer("Timer2")->stop();
    look::setBackground(box("tempstot"), look::Colour::stopped);
    grid->paintTiles(look::Colour::missed);
    box("motsleft")->writeWhole(QStringLiteral("0"));
    grid->showTiles(" BRAVO! ");
}

void Form1::paintVerdict(drill::Verdict verdict)
{
    if (verdict != drill::Verdict::Unchanged)
        look::setCaption(label("voyant"), QString::fromStdString(drill::verdictCaption(verdict)));
}

// ---------------------------------------------------------------- the grid's slots

int Form1::currentSlot() const
{
    return drill_.state().currentSlot;
}

void Form1::answerArrived(int slot)
{
    drill_.setCurrentSlot(slot);
    if (!drill_.seriesOpen())
        return;
    defaultButton = button("Command2");
    defaultButton->setDefault(true);
    button("valider")->setDefault(false);
    if (drill_.state().criterion == drill::Criterion::BySpeed) {
        drill_.resetAnswerClock();
        timer("Timer3")->start();
    }
    grid->highlight(slot);
}

void Form1::answerLeft(int slot)
{
    timer("Timer3")->stop();
    if (!drill_.seriesOpen())
        return;
    if (drill_.state().criterion == drill::Criterion::BySpeed)
        paintVerdict(drill_.gradeByTime(slot, grid->answer(slot)));
    grid->unhighlight(slot);
}

// Ctrl+M counts an answer as missed; F12 corrects, F8 draws the next series; Enter, in a draw
// box too, performs the default button.
bool Form1::keyPressed(int slot, QKeyEvent& key)
{
    if (slot >= 0 && key.key() == Qt::Key_M && key.modifiers() == Qt::ControlModifier) {
        countAsMissed(slot);
        return true;
    }
    if (slot >= 0 && key.key() == Qt::Key_F12) {
        if (drill_.seriesOpen())
            correctSeries();
        return true;
    }
    if (slot >= 0 && key.key() == Qt::Key_F8)
        return restart_KeyDown(key.key());
    return pressEnter(&key);
}

void Form1::answerTooLong()
{
    beep();
}

bool Form1::restart_KeyDown(int key)
{
    if (key != Qt::Key_F8)
        return false;
    if (drill_.canDrawSeries())
        newSeries();
    return true;
}

void Form1::Command2_Click()
{
    grid->nextAnswer();
}

void Form1::valider_Click()
{
    const int slot = drill_.state().currentSlot;
    grid->setAnswer(slot, box("recherche")->text());
    box("recherche")->clear();
    grid->focusAnswer(slot);
    Command2_Click();
}

// ---------------------------------------------------------------- buttons

void Form1::corriger_Click()
{
    if (drill_.seriesOpen())
        correctSeries();
}

void Form1::restart_Click()
{
    if (drill_.canDrawSeries())
        newSeries();
}

void Form1::recherche_Click()
{
    defaultButton = button("valider");
    defaultButton->setDefault(true);
    button("Command2")->setDefault(false);
    grid->markCurrentAnswer(drill_.state().currentSlot);
}

void Form1::Command3_Click()
{
    grid->changeFont();
    look::setCaption(label("police"), QString::number(grid->nextFont()));
    fontClicks = DrillOptions::afterClick(fontClicks);
    keepOptions();
}

void Form1::Command4_Click()
{
    drill_.switchCriterion();
    paintCriterion();
    keepOptions();
}

void Form1::paintCriterion()
{
    QLabel* first = label("Label5");
    look::TextBox* threshold = box("seuiltxt");
    QLabel* unit = label("Label6");
    // The box shows the new criterion's own threshold; reading it back gives that same value.
    const QString thresholdText = QString::number(drill_.state().threshold);
    if (drill_.state().criterion == drill::Criterion::BySpeed) {
        look::setCaption(first, QStringLiteral("Eliminer un mot trouvé en moins de"));
        look::setLeft(threshold, look::left(threshold) + kSpeedShift);
        threshold->write(thresholdText);
        look::setLeft(unit, look::left(unit) + kSpeedShift);
        look::setCaption(unit, QStringLiteral("secondes."));
    } else {
        look::setLeft(threshold, kSuccessBoxLeft);
        threshold->write(thresholdText);
        look::setLeft(unit, kSuccessUnitLeft);
        look::setCaption(first, QStringLiteral("Eliminer un mot après"));
        look::setCaption(unit, QStringLiteral("réussites."));
    }
}

// The threshold is read afresh at every change the player makes.
void Form1::seuiltxt_Change()
{
    drill_.setThreshold(drill::Threshold::parse(box("seuiltxt")->text().toStdString()));
    keepOptions();
}

void Form1::Command5_Click()
{
    drill_.togglePause();
    paintPause();
}

void Form1::paintPause()
{
    const bool paused = drill_.state().paused;
    if (paused) {
        timer("Timer1")->stop();
        timer("Timer2")->stop();
    } else {
        if (drill_.seriesOpen())
            timer("Timer1")->start();
        timer("Timer2")->start();
    }
    box("recherche")->setEnabled(!paused);
    button("Command5")->setText(paused ? QStringLiteral("Reprendre") : QStringLiteral("Pause"));
    grid->setReadOnly(paused);
}

void Form1::Check1_Click()
{
    const bool shown = controls.get<QCheckBox>("Check1")->isChecked();
    for (const char* clock : {"temps", "tempstot", "Label1", "Label2"})
        controls.get<QWidget>(clock)->setVisible(shown);
    keepOptions();
}

// ---------------------------------------------------------------- what outlives the program

void Form1::remember(PlayerKeeping& kept)
{
    keeping = &kept;
    ownKeeping.reset();
    applyOptions();
}

void Form1::setStudy(study::Study* study)
{
    keeping->setStudy(study);
}

// The kept options, given through the window's own handlers as the player gave them.
void Form1::applyOptions()
{
    const DrillOptions options = keeping->drillOptions();
    applyingOptions = true;
    if (options.criterion != drill_.state().criterion)
        Command4_Click();
    if (!options.threshold.isEmpty())
        box("seuiltxt")->write(options.threshold);
    while (fontClicks < options.fontClicks)
        Command3_Click();
    auto* clocks = controls.get<QCheckBox>("Check1");
    if (clocks->isChecked() != options.clocksShown) {
        clocks->setChecked(options.clocksShown);
        Check1_Click();
    }
    applyingOptions = false;
}

void Form1::keepOptions()
{
    if (applyingOptions)
        return;
    DrillOptions options;
    options.criterion = drill_.state().criterion;
    options.threshold = box("seuiltxt")->text();
    options.fontClicks = fontClicks;
    options.clocksShown = controls.get<QCheckBox>("Check1")->isChecked();
    keeping->keep(options);
}

// The record of the list being drilled: written after each correction, when the drill is left
// and when the program ends, once a series has been corrected; gone when the list is done.
void Form1::keepProgress(const drill::CorrectionResult* corrected)
{
    if (!drilledList)
        return;
    ProgressStore& progress = keeping->progress();
    if (drill_.isFinished()) {
        progress.forget(*drilledList);
        return;
    }
    if (drill_.state().seriesDone == 0 || !drilledFile)
        return;
    if (const status::Status kept = progress.keep(*drilledList, *drilledFile, drill_, corrected);
        !kept) {
        const QString why = QString::fromStdString(kept.why());
        std::fprintf(stderr, "vorlane : progression de « %s » non enregistrée : %s.\n",
                     drilledList->title.c_str(), qPrintable(why));
        tellNotKept(why);
    }
}

// Every answer of the series goes to the study record, whatever the drill keeps.
void Form1::keepAnswers(const drill::CorrectionResult& result)
{
    study::Study* record = keeping->study();
    if (!record || !slotList)
        return;
    // The list drilled, the drill clock since the last correction and a drill's end, for the
    // player's figures.
    study::SeriesOrigin origin;
    origin.list = drilledList ? drilledList->fileName : std::string();
    origin.clockSeconds = std::max(drill_.state().totalSeconds - clockAtCorrection, 0);
    origin.finishesDrill = result.finished;
    clockAtCorrection = drill_.state().totalSeconds;
    const status::Status kept = StudyLink::record(*record, result, slotList, origin);
    if (!kept) {
        std::fprintf(stderr, "vorlane : réponses de la série non enregistrées : %s.\n",
                     kept.why().c_str());
        tellNotKept(QString::fromStdString(kept.why()));
    }
}

// Said once in a run, without stopping the drill: a box that waits for no answer.
void Form1::tellNotKept(const QString& why)
{
    if (std::exchange(notKeptTold, true))
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Progression non gardée"),
                                QStringLiteral("Votre progression n'est plus gardée : %1. "
                                               "L'entraînement continue, mais ce que vous faites "
                                               "maintenant sera perdu en quittant ; ce qui était "
                                               "déjà gardé reste intact.")
                                    .arg(why),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("progressionNonGardee"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

// Leaving a drill. The clocks stop with it, so that a hidden series is never
// corrected while the launcher is shown.
void Form1::quitter_Click()
{
    grid->paintTiles(look::Colour::tile);
    for (const char* clock : {"Timer1", "Timer2", "Timer3"})
        timer(clock)->stop();
    keepProgress();
    drilledList = nullptr;
    countable.fill(false);
    drill_.leave();
    grid->forgetPendingTile();
    paintCounters();
    QCoreApplication::processEvents();
    hide();
    if (launcherWindow) {
        launcherWindow->show();
        launcherWindow->activateWindow();
    }
}

// ---------------------------------------------------------------- clocks

void Form1::Timer1_Timer()
{
    drill_.tickSlot(grid->focusedSlot());
    const drill::SeriesTick tick = drill_.tickSeries();
    box("temps")->write(QString::fromStdString(tick.text));
    if (tick.expired)
        correctSeries();
}

void Form1::Timer2_Timer()
{
    box("tempstot")->write(QString::fromStdString(drill_.tickDrill()));
}

void Form1::Timer3_Timer()
{
    drill_.tickAnswer();
}

// ---------------------------------------------------------------- window events

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const QString name = watched->objectName();
    if (name == QLatin1String("restart") && event->type() == QEvent::KeyPress)
        return restart_KeyDown(static_cast<QKeyEvent*>(event)->key());
    const bool search = name == QLatin1String("recherche");
    if (search && event->type() == QEvent::MouseButtonPress)
        recherche_Click();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (pressEnter(key))
            return true;
        if (search)
            return AnswerGrid::typeUpperCase(static_cast<QWidget*>(watched), key);
    }
    return QWidget::eventFilter(watched, event);
}

// Enter in a text box or on the check box performs the click of the window's default button.
bool Form1::pressEnter(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (defaultButton)  // a disabled button takes no click
        defaultButton->click();
    return true;
}

// Closing the window is refused while the program runs: "Retour au sommaire" is the
// way back. A session that ends or a program that quits still closes it.
void Form1::closeEvent(QCloseEvent* event)
{
    if (closingAllowed)
        event->accept();
    else
        event->ignore();
}

}  // namespace training
