#include <training/window/AnswerGrid.h>

#include <catalogue/DrawPadding.h>
#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <look/TextBox.h>
#include <textfile/Cp1252.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

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

// Focus going with the window or to a menu and coming back is no move: the box never lost it.
bool movesFocus(QEvent* event)
{
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

namespace training {

// The grid's controls, made before the window's others (later ones stand above earlier ones),
// in the order of the Tab key's walk: the answers, then the draws, then the tiles.
const AnswerGrid::Controls::Table& AnswerGrid::controlTable()
{
    static const Controls::Table table = [] {
        using Row = Controls::Row;
        using look::Style;
        namespace Colour = look::Colour;
        Controls::Table rows;
        for (int c = 0; c < 3; ++c)  // a frame behind each column of slots
            rows.push_back(Row::frame(indexed("Frame1", c)).at(kFrameLeft[c], 360, 3600, 6255));
        const Style grid = Style().font(GridFont::designed()).align(Qt::AlignCenter);
        for (int i = 0; i < kSlots; ++i)  // the answer of slot i (its events: eventFilter)
            rows.push_back(Row::textBox(indexed("solution", i))
                               .at(slotPlace(kAnswerLeft, i))
                               .style(Style(grid).background(Colour::answer)));
        for (int i = 0; i < kSlots; ++i)  // the draw of slot i
            rows.push_back(Row::lockedBox(indexed("tirage", i))
                               .at(slotPlace(kDrawLeft, i))
                               .style(Style(grid).background(Colour::draw)));
        for (int k = 0; k < kTiles; ++k)  // the letters of the focused draw (clicks: tileClicked)
            rows.push_back(Row::button(indexed("Command1", k), {})
                               .at(kTileLeft + kTileSide * k, 6960, kTileSide, kTileSide)
                               .style(Style().font("Arial", 22).background(Colour::tile).flat()));
        return rows;
    }();
    return table;
}

AnswerGrid::AnswerGrid(QWidget* window, Host& host) : QObject(window), host(host), controls(window)
{
    // The frames stand on the window's own background and show its colour.
    controls.setDefault(look::Kind::frame, look::Style().background(look::Colour::window));
    controls.build(controlTable());
    // The controls as the table lays them out: three frames, the answers, the draws, the tiles.
    const Controls::Made& made = controls.made();
    for (int i = 0; i < kSlots; ++i) {
        solution[i] = qobject_cast<look::TextBox*>(made[3 + i].second);
        tirage[i] = qobject_cast<look::TextBox*>(made[3 + kSlots + i].second);
        solution[i]->installEventFilter(this);
        connect(solution[i], &QLineEdit::textChanged, this, [this, i] { cutTooLong(i); });
        tirage[i]->installEventFilter(this);  // Enter there too performs the default button
    }
    for (int k = 0; k < kTiles; ++k) {
        Command1[k] = qobject_cast<QPushButton*>(made[3 + 2 * kSlots + k].second);
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { tileClicked(k); });
    }
    tileLeft = look::left(Command1[0]);
    tileWidth = look::twips(Command1[0]->width());
}

QWidget* AnswerGrid::lastTabStop() const
{
    return Command1[kTiles - 1];
}

// ---------------------------------------------------------------- draws and answers

void AnswerGrid::clearSeries()
{
    pendingTile_ = -1;
    for (int i = 0; i < kSlots; ++i) {
        tirage[i]->clear();
        solution[i]->clear();
        QFont font = solution[i]->font();
        font.setStrikeOut(false);
        solution[i]->setFont(font);
        solution[i]->setToolTip(QString());
    }
}

void AnswerGrid::writeDraw(int slot, const std::string& bytes)
{
    tirage[slot]->write(fromBytes(bytes));
}

std::string AnswerGrid::answer(int slot) const
{
    return toBytes(solution[slot]->text());
}

void AnswerGrid::setAnswer(int slot, const QString& text)
{
    solution[slot]->setText(text);
}

void AnswerGrid::setAnswerTip(int slot, const QString& tip)
{
    solution[slot]->setToolTip(tip);
}

void AnswerGrid::showCorrection(int slot, const drill::SlotCorrection& corrected)
{
    look::TextBox* box = solution[slot];
    look::setBackground(box, corrected.found ? look::Colour::found : look::Colour::missed);
    box->write(fromBytes(corrected.answerText));
    box->setToolTip(fromBytes(corrected.tooltip));
    QFont font = box->font();
    font.setStrikeOut(corrected.struckThrough);
    box->setFont(font);
    tirage[slot]->write(fromBytes(corrected.drawText));
    if (corrected.drawRevealed)
        look::setBackground(tirage[slot], look::Colour::found);
}

void AnswerGrid::setReadOnly(bool readOnly)
{
    for (look::TextBox* box : solution)
        box->setReadOnly(readOnly);
}

QMenu* AnswerGrid::answerMenu(int slot) const
{
    return solution[slot]->createStandardContextMenu();
}

// One beep per character too many. The cut is made in one step with the change signal held
// back: removing one character per change would nest one change in the other, and a long
// paste would run out of stack.
void AnswerGrid::cutTooLong(int slot)
{
    look::TextBox* box = solution[slot];
    const QString text = box->text();
    const qsizetype bound = tirage[slot]->text().size();
    if (text.size() <= bound)
        return;
    {
        const QSignalBlocker quiet(box);
        const int cursor = box->cursorPosition();
        box->setText(text.left(bound));
        box->setCursorPosition(std::min(cursor, static_cast<int>(bound)));
    }
    for (qsizetype removed = bound; removed < text.size(); ++removed)
        host.answerTooLong();
}

// ---------------------------------------------------------------- the focus

void AnswerGrid::arrive(int slot)
{
    host.answerArrived(slot);
    showTiles(toBytes(tirage[slot]->text()));
}

void AnswerGrid::leave(int slot)
{
    host.answerLeft(slot);
}

void AnswerGrid::focusAnswer(int slot)
{
    const int previous = focusSlot;
    if (previous >= 0 && previous != slot) {
        focusSlot = -1;
        leave(previous);
    }
    focusSlot = slot;
    solution[slot]->setFocus(Qt::OtherFocusReason);
    if (previous != slot)
        arrive(slot);
}

void AnswerGrid::enterFirst()
{
    focusSlot = 0;
    solution[0]->setFocus(Qt::OtherFocusReason);
    arrive(0);
}

void AnswerGrid::nextAnswer()
{
    const int current = host.currentSlot();
    focusAnswer(current == kSlots - 1 ? 0 : current + 1);
}

void AnswerGrid::previousAnswer()
{
    const int current = host.currentSlot();
    focusAnswer(current != 0 ? current - 1 : kSlots - 1);
}

// ---------------------------------------------------------------- colours

void AnswerGrid::highlight(int slot)
{
    for (int k = 0; k < kSlots; ++k) {
        look::setBackground(tirage[k], k == slot ? look::Colour::currentDraw : look::Colour::draw);
        look::setBackground(solution[k],
                            k == slot ? look::Colour::currentAnswer : look::Colour::answer);
    }
}

void AnswerGrid::unhighlight(int slot)
{
    look::setBackground(tirage[slot], look::Colour::draw);
    look::setBackground(solution[slot], look::Colour::answer);
}

void AnswerGrid::markCurrentAnswer(int slot)
{
    look::setBackground(solution[slot], look::Colour::currentAnswer);
}

// ---------------------------------------------------------------- tiles

void AnswerGrid::showTiles(const std::string& bytes)
{
    const QString tiles = fromBytes(catalogue::DrawPadding::tileLetters(bytes));
    if (tiles.isEmpty() || tiles.size() > kTiles)
        return;
    for (QPushButton* tile : Command1)
        tile->setText(QString());
    for (int k = 0; k < tiles.size(); ++k) {
        Command1[k]->setText(tiles.mid(k, 1));
        look::setLeft(Command1[k], tileLeft + k * tileWidth);
    }
}

void AnswerGrid::paintTiles(const QColor& colour)
{
    for (QPushButton* tile : Command1)
        look::setBackground(tile, colour);
}

// The first click picks a tile, the second swaps the two places.
void AnswerGrid::tileClicked(int index)
{
    markCurrentAnswer(host.currentSlot());
    if (pendingTile_ == -1) {
        pendingTile_ = index;
        return;
    }
    if (!Command1[pendingTile_]->text().isEmpty() && !Command1[index]->text().isEmpty()) {
        const int remembered = look::left(Command1[pendingTile_]);
        look::setLeft(Command1[pendingTile_], look::left(Command1[index]));
        look::setLeft(Command1[index], remembered);
    }
    pendingTile_ = -1;
}

// ---------------------------------------------------------------- faces

void AnswerGrid::changeFont()
{
    gridFont.change(tirage, solution);
}

void AnswerGrid::setPoints(qreal points)
{
    gridFont.setPoints(tirage, solution, points);
}

// ---------------------------------------------------------------- events

int AnswerGrid::slotOfAnswer(const QObject* object) const
{
    const auto found = std::find(solution.begin(), solution.end(), object);
    return found == solution.end() ? -1 : static_cast<int>(found - solution.begin());
}

int AnswerGrid::slotOfDraw(const QObject* object) const
{
    const auto found = std::find(tirage.begin(), tirage.end(), object);
    return found == tirage.end() ? -1 : static_cast<int>(found - tirage.begin());
}

bool AnswerGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (const int slot = slotOfAnswer(watched); slot >= 0)
        return filterAnswerEvent(slot, event);
    if (slotOfDraw(watched) >= 0 && event->type() == QEvent::KeyPress)
        return host.keyPressed(-1, *static_cast<QKeyEvent*>(event));
    return false;
}

bool AnswerGrid::filterAnswerEvent(int slot, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesFocus(event) && focusSlot != slot) {
            focusSlot = slot;
            arrive(slot);
        }
        return false;
    case QEvent::FocusOut:
        if (movesFocus(event) && focusSlot == slot) {
            focusSlot = -1;
            leave(slot);
        }
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down)
            nextAnswer();
        else if (key->key() == Qt::Key_Up)
            previousAnswer();
        else if (!host.keyPressed(slot, *key))
            return typeUpperCase(solution[slot], key);
        return true;
    }
    case QEvent::ContextMenu:
        host.answerMenu(slot, *static_cast<QContextMenuEvent*>(event));
        return true;
    default:
        return false;
    }
}

bool AnswerGrid::typeUpperCase(QWidget* box, QKeyEvent* event)
{
    if (event->text().size() != 1)
        return false;
    const QChar typed = event->text().at(0);
    if (typed < QLatin1Char('a') || typed > QLatin1Char('z'))
        return false;
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                       QString(QChar(typed.unicode() - 32)), event->isAutoRepeat(),
                       static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(box, &replaced);
    return true;
}

}  // namespace training
