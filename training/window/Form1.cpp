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
// ones) and walked by the Tab key after the grid's tiles. A new control takes one row here, and
// its handler, declared with the others, when it has one.
const Form1::Controls::Table& Form1::controlTable()
{
    using Row = Controls::Row;
    using look::Style;
    namespace Colour = look::Colour;
    const Style result =
        Style().font("MS Sans Serif", 8.25, true).foreground(look::activeTitleBar());
    static const Controls::Table table = {
        Row::label("Label7", "Base")  // the list title
            .at(360, 45, 0, 0)
            .style(Style().font("MS Sans Serif", 9.75))
            .into(&Form1::Label7),
        Row::label("police", "1").at(10080, 0, 0, 0).into(&Form1::police),  // the next font's
        Row::button("Command3", "Changer de police")
            .at(10200, 0, 1455, 255)
            .onClick(&Form1::Command3_Click),
        // A sliver: the default button, Enter's next box.
        Row::button("Command2", "Command2")
            .at(11400, 6120, 135, 375)
            .into(&Form1::Command2)
            .onClick(&Form1::Command2_Click),
        Row::button("corriger", "Corriger(F12)")  // corrects the series
            .at(8880, 7080, 1095, 375)
            .style(Style().disabled())
            .into(&Form1::corriger)
            .onClick(&Form1::corriger_Click),
        Row::button("restart", "Nouvelle série(F8)")  // draws the next one
            .at(360, 7080, 1455, 375)
            .style(Style().disabled())
            .into(&Form1::restart)
            .onClick(&Form1::restart_Click),
        Row::label("Label4", "Tirages restants :").at(360, 7800, 0, 0),
        Row::textBox("motsleft")  // entries left
            .at(1600, 7785, 495, 285)
            .style(Style().disabled())
            .into(&Form1::motsleft),
        Row::textBox("recherche")  // the search box
            .at(4560, 7770, 1215, 300)
            .style(Style().background(Colour::answer))
            .into(&Form1::recherche),
        Row::button("valider", "Valider")  // search box into the answer box
            .at(5880, 7770, 975, 300)
            .into(&Form1::valider)
            .onClick(&Form1::valider_Click),
        Row::label("score").at(9120, 7800, 0, 0).style(result).into(&Form1::score),  // found
        Row::label("tps").at(9120, 8160, 0, 0).style(result).into(&Form1::tps),      // series time
        Row::label("nbseries", "0 série déjà réalisée")                              // series done
            .at(360, 8280, 0, 0)
            .into(&Form1::nbseries),
        Row::label("Label8", "Nombre de fautes :").at(8880, 8640, 0, 0),
        Row::label("nbftot").at(10320, 8640, 0, 0).into(&Form1::nbftot),  // the drill's errors
        Row::button("quitter", "Retour au sommaire")                      // back to the launcher
            .at(10200, 9120, 1215, 495)
            .onClick(&Form1::quitter_Click),
        // "OK" / "NO" of the last grading by speed.
        Row::label("voyant").at(3360, 9360, 0, 0).into(&Form1::voyant),
        Row::checkBox("Check1")  // shows the clocks
            .at(10200, 7080, 255, 255)
            .style(Style().checked())
            .into(&Form1::Check1)
            .onClick(&Form1::Check1_Click),
        Row::label("Label3", "TEMPS").at(10560, 7080, 0, 0),
        Row::label("Label1", "Série").at(10080, 7440, 0, 0).into(&Form1::Label1),
        Row::lockedBox("temps", "4:00")  // series clock, written by its ticks only
            .at(10560, 7440, 495, 285)
            .into(&Form1::temps),
        Row::label("Label2", "Total").at(10080, 7800, 0, 0).into(&Form1::Label2),
        Row::lockedBox("tempstot", "0:00:00")  // drill clock, written by its ticks only
            .at(10560, 7800, 735, 285)
            .into(&Form1::tempstot),
        Row::button("Command5", "Pause")  // pause and resume
            .at(10200, 8160, 975, 255)
            .into(&Form1::Command5)
            .onClick(&Form1::Command5_Click),
        // The criterion sentence, its threshold and its unit.
        Row::label("Label5", "Eliminer un mot après ").at(360, 9120, 0, 0).into(&Form1::Label5),
        Row::textBox("seuiltxt", "1")
            .at(2000, 9120, 255, 285)
            .style(Style().background(Colour::threshold))
            .into(&Form1::seuiltxt),
        Row::label("Label6", "réussites.").at(2355, 9120, 0, 0).into(&Form1::Label6),
        Row::button("Command4", "Changer critère")  // the other criterion
            .at(360, 9360, 2775, 255)
            .onClick(&Form1::Command4_Click),
        // The rectangle around the correction and clock area.
        Row::line("Line1(0)").at(8760, 6960, 2640, 0),
        Row::line("Line1(1)").at(8760, 9000, 2640, 0),
        Row::line("Line2(0)").at(8760, 6960, 0, 2040),
        Row::line("Line2(1)").at(11400, 6960, 0, 2040),
        Row::timer("Timer1").into(&Form1::Timer1).onTick(&Form1::Timer1_Timer),  // series clock
        Row::timer("Timer2").into(&Form1::Timer2).onTick(&Form1::Timer2_Timer),  // drill clock
        Row::timer("Timer3").into(&Form1::Timer3).onTick(&Form1::Timer3_Timer),  // stopwatch
        // Not one of the designed controls: the entry that an answer box's right-click menu
        // adds after a correction (Ctrl+M in the box does the same).
        Row::menuEntry("compterRate", "Compter comme raté")
            .into(&Form1::compterRate)
            .onPick(&Form1::compterRate_Click),
    };
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
    controls.build(controlTable(), grid->lastTabStop());
    // Shown in the menu only: the answer box itself takes Ctrl+M (filterAnswerEvent).
    compterRate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

void Form1::connectEvents()
{
    for (look::TextBox* box : {recherche, seuiltxt, temps, tempstot})
        box->installEventFilter(this);
    Check1->installEventFilter(this);
    restart->installEventFilter(this);
    connect(seuiltxt, &QLineEdit::textChanged, this, &Form1::seuiltxt_Change);
}

// Runs once, when the window is first used.
void Form1::windowCreation()
{
    grid->forgetPendingTile();
    defaultButton = Command2;
    defaultButton->setDefault(true);
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
    look::setCaption(Label7, reviewTitle());
    grid->setPoints(points);
    look::setBackground(tempstot, look::systemWindow());
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
    look::setCaption(Label7, QString::fromStdString(list.title));
    grid->setPoints(list.gridPoints());
    look::setBackground(tempstot, look::systemWindow());
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
    tempstot->write(QString::fromStdString(drill_.drillClockText()));
}

// The series done and the wrong answers, as the drill says them.
void Form1::paintCounters()
{
    look::setCaption(nbseries, QString::fromStdString(drill_.seriesDoneText()));
    look::setCaption(nbftot, QString::fromStdString(drill_.errorCountText()));
}

// ---------------------------------------------------------------- series draw

void Form1::seriesDraw()
{
    const drill::SeriesDraw drawn = drill_.drawSeries(*random);
    motsleft->writeWhole(QString::fromStdString(drawn.entriesLeftText));
    score->hide();
    tps->hide();
    countable.fill(false);
    grid->clearSeries();
    for (int s = 0; s < drawn.seriesSize; ++s)
        grid->writeDraw(s, drawn.drawTexts[s]);
    unsetCursor();
    look::setBackground(seuiltxt, look::systemWindow());
    paintSeriesPhase();

    // The box left behind belonged to the series just corrected: it is not graded
    // against the new one. The arrival in the first box runs even when it already
    // holds the focus, so the new series always starts highlighted.
    if (grid->focusedSlot() > 0)
        Timer3->stop();
    grid->enterFirst();

    look::setBackground(temps, look::systemWindow());
    Timer1->start();
    if (!Timer2->isActive())
        Timer2->start();
}

void Form1::newSeries()
{
    setCursor(Qt::WaitCursor);
    seriesDraw();
}

// "Nouvelle série" first: a focused "Corriger" that gets disabled hands the focus on to it.
void Form1::paintSeriesPhase()
{
    restart->setEnabled(drill_.canDrawSeries());
    corriger->setEnabled(drill_.seriesOpen());
}

// ---------------------------------------------------------------- correction

void Form1::correctSeries()
{
    Timer1->stop();
    Timer3->stop();
    look::setBackground(temps, look::Colour::stopped);
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

    look::setCaption(score, QString::fromStdString(result.scoreText));
    score->show();
    paintCounters();
    look::setCaption(tps, QString::fromStdString(result.timeUsedText));
    tps->show();
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
    compterRate->setEnabled(canCountAsMissed(slot));
    menu->addAction(compterRate);
    menuSlot = slot;
    menu->popup(event.globalPos());
}

void Form1::paintFinished()
{
    Timer2->stop();
    look::setBackground(tempstot, look::Colour::stopped);
    grid->paintTiles(look::Colour::missed);
    motsleft->writeWhole(QStringLiteral("0"));
    grid->showTiles(" BRAVO! ");
}

void Form1::paintVerdict(drill::Verdict verdict)
{
    if (verdict != drill::Verdict::Unchanged)
        look::setCaption(voyant, QString::fromStdString(drill::verdictCaption(verdict)));
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
    defaultButton = Command2;
    defaultButton->setDefault(true);
    valider->setDefault(false);
    if (drill_.state().criterion == drill::Criterion::BySpeed) {
        drill_.resetAnswerClock();
        Timer3->start();
    }
    grid->highlight(slot);
}

void Form1::answerLeft(int slot)
{
    Timer3->stop();
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
    grid->setAnswer(slot, recherche->text());
    recherche->clear();
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
    defaultButton = valider;
    defaultButton->setDefault(true);
    Command2->setDefault(false);
    grid->markCurrentAnswer(drill_.state().currentSlot);
}

void Form1::Command3_Click()
{
    grid->changeFont();
    look::setCaption(police, QString::number(grid->nextFont()));
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
    QLabel* first = Label5;
    look::TextBox* threshold = seuiltxt;
    QLabel* unit = Label6;
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
    drill_.setThreshold(drill::Threshold::parse(seuiltxt->text().toStdString()));
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
        Timer1->stop();
        Timer2->stop();
    } else {
        if (drill_.seriesOpen())
            Timer1->start();
        Timer2->start();
    }
    recherche->setEnabled(!paused);
    Command5->setText(paused ? QStringLiteral("Reprendre") : QStringLiteral("Pause"));
    grid->setReadOnly(paused);
}

void Form1::Check1_Click()
{
    const bool shown = Check1->isChecked();
    for (QWidget* clock : std::initializer_list<QWidget*>{temps, tempstot, Label1, Label2})
        clock->setVisible(shown);
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
        seuiltxt->write(options.threshold);
    while (fontClicks < options.fontClicks)
        Command3_Click();
    auto* clocks = Check1;
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
    options.threshold = seuiltxt->text();
    options.fontClicks = fontClicks;
    options.clocksShown = Check1->isChecked();
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
    for (QTimer* clock : {Timer1, Timer2, Timer3})
        clock->stop();
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
    temps->write(QString::fromStdString(tick.text));
    if (tick.expired)
        correctSeries();
}

void Form1::Timer2_Timer()
{
    tempstot->write(QString::fromStdString(drill_.tickDrill()));
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
