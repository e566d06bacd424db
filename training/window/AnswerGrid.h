#pragma once

#include <training/drill/Series.h>
#include <training/drill/SlotCorrection.h>
#include <training/window/GridFont.h>

#include <look/ControlSet.h>

#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <string>

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QPushButton;
class QWidget;

namespace look {
class TextBox;
}

namespace training {

// The grid of the training window: thirty slots, each a draw box ("tirage(i)") and an answer
// box ("solution(i)"), the frames behind their three columns ("Frame1(c)") and the nine letter
// tiles ("Command1(k)") that show the letters of the focused draw and swap two by two. Its
// controls are children of the window, made from the grid's own table before the window's
// others, so that they stand below them and come first in the Tab walk, as designed. The grid
// follows which answer box holds the focus, moves it with the arrows and types upper case; what
// a slot's arrival, departure and keys mean to the drill, the window says (`Host`).
class AnswerGrid : public QObject {
    Q_OBJECT

public:
    static constexpr int kTiles = 9;

    // What the grid asks of the window it stands in.
    class Host {
    public:
        // The drill's slot of the last arrival, from which the arrows move.
        virtual int currentSlot() const = 0;
        // The focus came into answer box `slot`, or left it.
        virtual void answerArrived(int slot) = 0;
        virtual void answerLeft(int slot) = 0;
        // A key pressed in answer box `slot` (-1: in a draw box) that the arrows are not: true
        // when the window took it.
        virtual bool keyPressed(int slot, QKeyEvent& key) = 0;
        // The right-click menu of answer box `slot`.
        virtual void answerMenu(int slot, const QContextMenuEvent& event) = 0;
        // A character typed beyond the draw's length, cut off.
        virtual void answerTooLong() = 0;

    protected:
        ~Host() = default;
    };

    // Makes the grid's controls on `window`, which the focus and keys of the grid are told to.
    AnswerGrid(QWidget* window, Host& host);

    // The slot whose answer box holds the focus (-1 when the focus is elsewhere) and the tile
    // waiting for its swap partner (-1 when none).
    int focusedSlot() const { return focusSlot; }
    int pendingTile() const { return pendingTile_; }
    // The last control the Tab key reaches in the grid, after which the window's own come.
    QWidget* lastTabStop() const;

    // The draws and answers of a series.
    void clearSeries();
    void writeDraw(int slot, const std::string& bytes);
    std::string answer(int slot) const;
    void setAnswer(int slot, const QString& text);
    void setAnswerTip(int slot, const QString& tip);
    void showCorrection(int slot, const drill::SlotCorrection& corrected);
    void setReadOnly(bool readOnly);
    // The answer box's own menu (copy, paste...), to be completed and shown by the window.
    QMenu* answerMenu(int slot) const;

    // The focus: moved to `slot`, leaving the one before first; to the first slot of a new
    // series, its arrival told even when it already holds the focus; the next and previous
    // slots from the current one, going round.
    void focusAnswer(int slot);
    void enterFirst();
    void nextAnswer();
    void previousAnswer();

    // The colours: the slot in play, one slot back to its own, one answer box marked current.
    void highlight(int slot);
    void unhighlight(int slot);
    void markCurrentAnswer(int slot);

    // The tiles: the letters of `bytes` laid out from home, their colour, no swap waiting.
    void showTiles(const std::string& bytes);
    void paintTiles(const QColor& colour);
    void forgetPendingTile() { pendingTile_ = -1; }

    // The faces: the next one ("Changer de police"), the size a list gives, the next's number.
    void changeFont();
    void setPoints(qreal points);
    int nextFont() const { return gridFont.next(); }

    // The upper-case filter: a typed a..z reaches `box` as A..Z; true when replaced.
    static bool typeUpperCase(QWidget* box, QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Controls = look::ControlSet<QWidget>;
    static const Controls::Table& controlTable();

    void arrive(int slot);
    void leave(int slot);
    void tileClicked(int index);
    void cutTooLong(int slot);
    bool filterAnswerEvent(int slot, QEvent* event);
    int slotOfAnswer(const QObject* object) const;
    int slotOfDraw(const QObject* object) const;

    Host& host;
    Controls controls;
    GridFont gridFont;  // the grid's face and size
    std::array<look::TextBox*, drill::kSlots> tirage{};
    std::array<look::TextBox*, drill::kSlots> solution{};
    std::array<QPushButton*, kTiles> Command1{};
    int pendingTile_ = -1;  // tile waiting for its swap partner
    int tileLeft = 0;       // home of the first tile, twips
    int tileWidth = 0;      // width of a tile, twips
    int focusSlot = -1;
};

}  // namespace training
