#include <training/window/Form1.h>

#include <places/ListFolders.h>
#include <training/window/GridFont.h>

#include <catalogue/Catalogue.h>
#include <catalogue/DrawPadding.h>
#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <look/ScreenFit.h>
#include <look/TextBox.h>
#include <textfile/Cp1252.h>
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
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

using drill::kSlots;

// The grid of slots: three columns of ten; slot i stands in column i / 10, row i % 10.
constexpr int kDrawLeft[3] = {360, 4320, 8160};
constexpr int kAnswerLeft[3] = {2100, 6060, 9900};
constexpr int kFrameLeft[3] = {240, 4200, 8040};
constexpr int kGridTop = 600;
constexpr int kRowStep = 600;
constexpr int kTileLeft = 3000;
constexpr int kTileSide = 600;

// Where the criterion sentence moves. Under the criterion by speed its first half is longer,
// so the threshold box and the unit move 900 twips to the right of where they stand. Back
// under successes they stand at 1800 and 2160, left of their designed 2000 and 2355: the
// designed first half ends with a blank that the switched one no longer has.
constexpr int kSpeedShift = 900;
constexpr int kSuccessBoxLeft = 1800;
constexpr int kSuccessUnitLeft = 2160;

QString fromBytes(const std::string& bytes)
{
    return QString::fromStdU16String(textfile::Cp1252::decode(bytes));
}

std::string toBytes(const QString& text)
{
    return textfile::Cp1252::encode(text.toStdU16String());
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QRect slotPlace(const int (&columnLefts)[3], int slot)
{
    return {columnLefts[slot / 10], kGridTop + kRowStep * (slot % 10), 1600, 375};
}

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

// The controls, in the order they are made (later ones stand above earlier ones). A new
// control takes one row here, and its handler, declared with the others, when it has one.
const Form1::Controls::Table& Form1::controlTable()
{
    // clang-format off
    static const Controls::Table table = [] {
        using K = look::Kind;
        using look::Style;
        namespace Colour = look::Colour;
        Controls::Table rows;
        for (int c = 0; c < 3; ++c)  // a frame behind each column of slots
            rows.push_back({indexed("Frame1", c), K::frame, {}, {kFrameLeft[c], 360, 3600, 6255}, -1, nullptr});
        const Style grid = Style().font(GridFont::designed()).align(Qt::AlignCenter);
        for (int i = 0; i < kSlots; ++i) {  // the draw and the answer of slot i (its events: eventFilter)
            rows.push_back({indexed("tirage", i), K::lockedBox, {}, slotPlace(kDrawLeft, i), kSlots + i, nullptr, Style(grid).background(Colour::draw)});
            rows.push_back({indexed("solution", i), K::textBox, {}, slotPlace(kAnswerLeft, i), i, nullptr, Style(grid).background(Colour::answer)});
        }
        for (int k = 0; k < kTiles; ++k)  // the letters of the focused draw, graphical buttons
            rows.push_back({indexed("Command1", k), K::button, {}, {kTileLeft + kTileSide * k, 6960, kTileSide, kTileSide}, 2 * kSlots + k, &Form1::Command1_Click, Style().font("Arial", 22).background(Colour::tile).flat()});
        const Style result = Style().font("MS Sans Serif", 8.25, true).foreground(look::activeTitleBar());
        // Tab indices from 69 on: after the answers, the draws and the tiles.
        const Controls::Table others = {
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
        rows.insert(rows.end(), others.begin(), others.end());
        return rows;
    }();
    // clang-format on
    return table;
}

Form1::Form1(QWidget* launcher)
    : QWidget(nullptr),
      beep([] { QApplication::beep(); }),
      dataFolders(places::ListFolders::afterWorkingFolder()),
      launcherWindow(launcher),
      random(std::make_unique<drill::ClockRandomSource>())
{
    look::setUpWindow(this, QStringLiteral("ENTRAINEMENT SCRABBLE - Nouveautés ODS 6"),
                      look::face("MS Sans Serif", 8.25), QSize(11805, 9780), look::Colour::window);
    look::steadyTextCursor();
    look::ScreenFit::keep(this);
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
    for (int i = 0; i < kSlots; ++i) {
        tirage[i] = box(indexed("tirage", i));
        solution[i] = box(indexed("solution", i));
    }
    for (int k = 0; k < kTiles; ++k)
        Command1[k] = button(indexed("Command1", k));
    // Shown in the menu only: the answer box itself takes Ctrl+M (filterAnswerEvent).
    controls.get<QAction>("compterRate")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

void Form1::connectEvents()
{
    for (int i = 0; i < kSlots; ++i) {
        solution[i]->installEventFilter(this);
        connect(solution[i], &QLineEdit::textChanged, this, [this, i] { solution_Change(i); });
        tirage[i]->installEventFilter(this);  // Enter there too performs the default button
    }
    for (const char* name : {"recherche", "seuiltxt", "temps", "tempstot"})
        box(name)->installEventFilter(this);
    controls.get<QCheckBox>("Check1")->installEventFilter(this);
    button("restart")->installEventFilter(this);
    connect(box("seuiltxt"), &QLineEdit::textChanged, this, &Form1::seuiltxt_Change);
}

// Runs once, when the window is first used.
void Form1::windowCreation()
{
    tileLeft = look::left(Command1[0]);
    tileWidth = look::twips(Command1[0]->width());
    pendingTile = -1;
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
    if (!study_) {
        lastLoadMessage = QStringLiteral("Révisions impossibles : le relevé d'étude n'est pas "
                                         "ouvert.");
        return false;
    }
    const status::Result<std::vector<study::DeckDraw>> due = study_->dueDraws(kReviewDraws);
    if (!due) {
        lastLoadMessage =
            QStringLiteral("Révisions impossibles : %1.").arg(QString::fromStdString(due.why()));
        return false;
    }
    return reviser(*due);
}

bool Form1::reviser(const std::vector<study::DeckDraw>& picked)
{
    if (!study_) {
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
    gridFont.setPoints(tirage, solution, points);
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
    if (!resumed && progress)
        progress->startAfresh();
    slotList = [file = list.fileName](int, const drill::SlotCorrection&) { return file; };
    clockAtCorrection = drill_.state().totalSeconds;
    if (resumed)
        paintResumedCounters();
    look::setCaption(label("Label7"), QString::fromStdString(list.title));
    gridFont.setPoints(tirage, solution, list.gridPoints());
    look::setBackground(box("tempstot"), look::systemWindow());
    seriesDraw();
    return true;
}

// The drill where the record of `list` left it; false, with the reason on standard error,
// when there is no record this list file can take.
bool Form1::resumeDrill(const catalogue::ListRow& list, std::vector<drill::ListEntry>& entries,
                        const QString& listPath)
{
    if (!progress)
        return false;
    ProgressStore::Found found = progress->find(list, listPath);
    QString reason = found.reason;
    if (found.state == ProgressStore::Found::State::usable) {
        if (drill_.resume(list, entries, found.saved)) {
            progress->follow(list, found);
            return true;
        }
        reason = QStringLiteral("elle nomme des tirages que la liste n'a pas");
    } else if (found.state == ProgressStore::Found::State::stale) {
        progress->forget(list);
        return false;
    }
    if (!reason.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(progress->ignoredLine(list, reason)));
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
    pendingTile = -1;
    countable.fill(false);
    for (int i = 0; i < kSlots; ++i) {
        tirage[i]->clear();
        solution[i]->clear();
        QFont font = solution[i]->font();
        font.setStrikeOut(false);
        solution[i]->setFont(font);
        solution[i]->setToolTip(QString());
    }
    for (int s = 0; s < drawn.seriesSize; ++s)
        tirage[s]->write(fromBytes(drawn.drawTexts[s]));
    unsetCursor();
    look::setBackground(box("seuiltxt"), look::systemWindow());
    paintSeriesPhase();

    // The box left behind belonged to the series just corrected: it is not graded
    // against the new one. The arrival in the first box runs even when it already
    // holds the focus, so the new series always starts highlighted.
    if (focusSlot >= 0 && focusSlot != 0)
        timer("Timer3")->stop();
    focusSlot = 0;
    solution[0]->setFocus(Qt::OtherFocusReason);
    solution_GotFocus(0);

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
        answers[i] = toBytes(solution[i]->text());
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
        const drill::SlotCorrection& slot = result.slots[i];
        if (!slot.inSeries)
            continue;
        look::setBackground(solution[i], slot.found ? look::Colour::found : look::Colour::missed);
        solution[i]->write(fromBytes(slot.answerText));
        solution[i]->setToolTip(fromBytes(slot.tooltip));
        QFont font = solution[i]->font();
        font.setStrikeOut(slot.struckThrough);
        solution[i]->setFont(font);
        tirage[i]->write(fromBytes(slot.drawText));
        if (slot.drawRevealed)
            look::setBackground(tirage[i], look::Colour::found);
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
    return study_ && slot >= 0 && slot < kSlots && countable[slot] && !drill_.seriesOpen();
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
    const status::Status counted = study_->countAsMissed(draw);
    if (!counted) {
        solution[slot]->setToolTip(QStringLiteral("Non compté comme raté : %1.")
                                       .arg(QString::fromStdString(counted.why())));
        return;
    }
    countable[slot] = false;
    solution[slot]->setToolTip(QStringLiteral("Compté comme raté"));
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
void Form1::openAnswerMenu(int slot, const QContextMenuEvent& event)
{
    QMenu* menu = solution[slot]->createStandardContextMenu();
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
    for (QPushButton* tile : Command1)
        look::setBackground(tile, look::Colour::missed);
    box("motsleft")->writeWhole(QStringLiteral("0"));
    showTiles(QStringLiteral(" BRAVO! "));
}

void Form1::paintVerdict(drill::Verdict verdict)
{
    if (verdict != drill::Verdict::Unchanged)
        look::setCaption(label("voyant"), QString::fromStdString(drill::verdictCaption(verdict)));
}

// ---------------------------------------------------------------- answer entry

void Form1::solution_KeyPress(QChar& character)
{
    if (character >= QLatin1Char('a') && character <= QLatin1Char('z'))
        character = QChar(character.unicode() - 32);
}

void Form1::solution_Change(int index)
{
    const QString text = solution[index]->text();
    const qsizetype bound = tirage[index]->text().size();
    if (text.size() <= bound)
        return;
    // One beep per character too many. The cut is made in one step with the change
    // signal held back: removing one character per change would nest one change in the
    // other, and a long paste would run out of stack.
    {
        const QSignalBlocker quiet(solution[index]);
        const int cursor = solution[index]->cursorPosition();
        solution[index]->setText(text.left(bound));
        solution[index]->setCursorPosition(std::min(cursor, static_cast<int>(bound)));
    }
    for (qsizetype removed = bound; removed < text.size(); ++removed)
        beep();
}

void Form1::solution_GotFocus(int index)
{
    drill_.setCurrentSlot(index);
    if (drill_.seriesOpen()) {
        defaultButton = button("Command2");
        defaultButton->setDefault(true);
        button("valider")->setDefault(false);
        if (drill_.state().criterion == drill::Criterion::BySpeed) {
            drill_.resetAnswerClock();
            timer("Timer3")->start();
        }
        highlightSlot(index);
    }
    showTiles(tirage[index]->text());
}

void Form1::highlightSlot(int slot)
{
    for (int k = 0; k < kSlots; ++k) {
        look::setBackground(tirage[k], k == slot ? look::Colour::currentDraw : look::Colour::draw);
        look::setBackground(solution[k],
                            k == slot ? look::Colour::currentAnswer : look::Colour::answer);
    }
}

void Form1::solution_LostFocus(int index)
{
    timer("Timer3")->stop();
    if (!drill_.seriesOpen())
        return;
    if (drill_.state().criterion == drill::Criterion::BySpeed)
        gradeByTime(index);
    look::setBackground(tirage[index], look::Colour::draw);
    look::setBackground(solution[index], look::Colour::answer);
}

void Form1::gradeByTime(int slot)
{
    paintVerdict(drill_.gradeByTime(slot, toBytes(solution[slot]->text())));
}

// Moves the keyboard focus to an answer box, leaving the previous one first.
void Form1::focusAnswer(int slot)
{
    const int previous = focusSlot;
    if (previous >= 0 && previous != slot) {
        focusSlot = -1;
        solution_LostFocus(previous);
    }
    focusSlot = slot;
    solution[slot]->setFocus(Qt::OtherFocusReason);
    if (previous != slot)
        solution_GotFocus(slot);
}

bool Form1::solution_KeyDown(int key)
{
    const int current = drill_.state().currentSlot;
    switch (key) {
    case Qt::Key_Down:
        Command2_Click();
        return true;
    case Qt::Key_Up:
        focusAnswer(current != 0 ? current - 1 : kSlots - 1);
        return true;
    case Qt::Key_F12:
        if (drill_.seriesOpen())
            correctSeries();
        return true;
    case Qt::Key_F8:
        if (drill_.canDrawSeries())
            newSeries();
        return true;
    default:
        return false;
    }
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
    const int current = drill_.state().currentSlot;
    focusAnswer(current == kSlots - 1 ? 0 : current + 1);
}

void Form1::valider_Click()
{
    const int slot = drill_.state().currentSlot;
    solution[slot]->setText(box("recherche")->text());
    box("recherche")->clear();
    focusAnswer(slot);
    Command2_Click();
}

void Form1::showTiles(const QString& text)
{
    const QString tiles = fromBytes(catalogue::DrawPadding::tileLetters(toBytes(text)));
    if (tiles.isEmpty() || tiles.size() > kTiles)
        return;
    for (QPushButton* tile : Command1)
        tile->setText(QString());
    for (int k = 0; k < tiles.size(); ++k) {
        Command1[k]->setText(tiles.mid(k, 1));
        look::setLeft(Command1[k], tileLeft + k * tileWidth);
    }
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

void Form1::Command1_Click()
{
    const auto clicked = std::find(Command1.begin(), Command1.end(), sender());
    if (clicked == Command1.end())
        return;
    const int index = static_cast<int>(clicked - Command1.begin());
    look::setBackground(solution[drill_.state().currentSlot], look::Colour::currentAnswer);
    if (pendingTile == -1) {
        pendingTile = index;
        return;
    }
    if (!Command1[pendingTile]->text().isEmpty() && !Command1[index]->text().isEmpty()) {
        const int remembered = look::left(Command1[pendingTile]);
        look::setLeft(Command1[pendingTile], look::left(Command1[index]));
        look::setLeft(Command1[index], remembered);
    }
    pendingTile = -1;
}

void Form1::recherche_Click()
{
    defaultButton = button("valider");
    defaultButton->setDefault(true);
    button("Command2")->setDefault(false);
    look::setBackground(solution[drill_.state().currentSlot], look::Colour::currentAnswer);
}

void Form1::Command3_Click()
{
    gridFont.change(tirage, solution);
    look::setCaption(label("police"), QString::number(gridFont.next()));
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
    for (look::TextBox* answer : solution)
        answer->setReadOnly(paused);
}

void Form1::Check1_Click()
{
    const bool shown = controls.get<QCheckBox>("Check1")->isChecked();
    for (const char* clock : {"temps", "tempstot", "Label1", "Label2"})
        controls.get<QWidget>(clock)->setVisible(shown);
    keepOptions();
}

// ---------------------------------------------------------------- what outlives the program

void Form1::remember(ProgressStore* store, const QString& file)
{
    progress = store;
    optionsFile = file;
    applyOptions();
}

// The kept options, given through the window's own handlers as the player gave them.
void Form1::applyOptions()
{
    const DrillOptions options = DrillOptions::read(optionsFile);
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
    if (optionsFile.isEmpty() || applyingOptions)
        return;
    DrillOptions options;
    options.criterion = drill_.state().criterion;
    options.threshold = box("seuiltxt")->text();
    options.fontClicks = fontClicks;
    options.clocksShown = controls.get<QCheckBox>("Check1")->isChecked();
    options.write(optionsFile);
}

// The record of the list being drilled: written after each correction, when the drill is left
// and when the program ends, once a series has been corrected; gone when the list is done.
void Form1::keepProgress(const drill::CorrectionResult* corrected)
{
    if (!progress || !drilledList)
        return;
    if (drill_.isFinished()) {
        progress->forget(*drilledList);
        return;
    }
    if (drill_.state().seriesDone == 0 || !drilledFile)
        return;
    if (const status::Status kept = progress->keep(*drilledList, *drilledFile, drill_, corrected);
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
    if (!study_ || !slotList)
        return;
    // The list drilled, the drill clock since the last correction and a drill's end, for the
    // player's figures.
    study::SeriesOrigin origin;
    origin.list = drilledList ? drilledList->fileName : std::string();
    origin.clockSeconds = std::max(drill_.state().totalSeconds - clockAtCorrection, 0);
    origin.finishesDrill = result.finished;
    clockAtCorrection = drill_.state().totalSeconds;
    const status::Status kept = StudyLink::record(*study_, result, slotList, origin);
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
    for (QPushButton* tile : Command1)
        look::setBackground(tile, look::Colour::tile);
    for (const char* clock : {"Timer1", "Timer2", "Timer3"})
        timer(clock)->stop();
    keepProgress();
    drilledList = nullptr;
    countable.fill(false);
    drill_.leave();
    pendingTile = -1;
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
    drill_.tickSlot(focusSlot);
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

int Form1::slotOfAnswer(const QObject* object) const
{
    for (int i = 0; i < kSlots; ++i)
        if (solution[i] == object)
            return i;
    return -1;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const int slot = slotOfAnswer(watched);
    if (slot >= 0)
        return filterAnswerEvent(slot, event);
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
            return filterKeyPress(static_cast<QWidget*>(watched), key);
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::filterAnswerEvent(int slot, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus coming back with the window is no arrival: the box never lost it.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && focusSlot != slot) {
            focusSlot = slot;
            solution_GotFocus(slot);
        }
        return false;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && focusSlot == slot) {
            focusSlot = -1;
            solution_LostFocus(slot);
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_M && key->modifiers() == Qt::ControlModifier) {
            countAsMissed(slot);
            return true;
        }
        if (solution_KeyDown(key->key()) || pressEnter(key))
            return true;
        return filterKeyPress(solution[slot], key);
    }
    case QEvent::ContextMenu:
        openAnswerMenu(slot, *static_cast<QContextMenuEvent*>(event));
        return true;
    default:
        return false;
    }
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

// The upper-case filter: a typed a..z reaches the box as A..Z.
bool Form1::filterKeyPress(QWidget* box, QKeyEvent* event)
{
    if (event->text().size() != 1)
        return false;
    QChar character = event->text().at(0);
    solution_KeyPress(character);
    if (character == event->text().at(0))
        return false;
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(character),
                       event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(box, &replaced);
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
