#pragma once

#include <look/CaptionButton.h>
#include <look/Style.h>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QWidget;

// Building a window from its design: its set-up and its controls, each placed in twips
// (left, top, width, height from the top left of the window's inner area) and named with its
// design name, by which tests find it.
namespace look {

class TextBox;

// What a row of a window's table makes. A label of width 0 sizes itself to its caption; a
// line runs across its width or down its height; a thin button's caption runs over its whole
// face but a thin border; `own` is a control of the window's own class, made by the window.
enum class Kind {
    label,
    textBox,
    lockedBox,
    button,
    thinButton,
    checkBox,
    frame,
    line,
    timer,
    menuEntry,
    plainText,
    own
};

// A control of any kind but `own`, named `name` and placed at `twips` in `window`.
QObject* makeControl(QWidget* window, Kind kind, const QString& name, const QString& caption,
                     const QRect& twips);
// The looks of a row on its control; a label that sizes itself to its caption does so again in
// a font of its own.
void dress(QObject* control, Kind kind, const QRect& twips, const Style& style);

// The window's caption and the face of its controls; a fixed inner area when `twips` is
// valid, and the window's own background colour when `background` is valid. Every window so
// set up takes Enter and Shift+F10 as Windows does (`WindowsKeys`).
void setUpWindow(QWidget* window, const QString& caption, const QFont& face, QSize twips = QSize(),
                 const QColor& background = QColor());

// A steady text cursor in every box of the program. A blinking cursor repaints its box twice
// a second, and a box holding a long list entry (800 KB) then keeps a quarter of a core busy
// for as long as it has the focus.
void steadyTextCursor();

// A label; one of width 0 sizes itself to its caption, any other is never narrower than it.
QLabel* addLabel(QWidget* window, const QString& name, const QString& caption, const QRect& twips);
TextBox* addTextBox(QWidget* window, const QString& name, const QString& text, const QRect& twips);
CaptionButton* addButton(QWidget* window, const QString& name, const QString& caption,
                         const QRect& twips,
                         CaptionButton::Room room = CaptionButton::Room::styleMargins);
// Each kind's control, placed at `twips` in `window`; a timer ticks every second.
TextBox* addLockedBox(QWidget* window, const QString& name, const QString& text,
                      const QRect& twips);
QCheckBox* addCheckBox(QWidget* window, const QRect& twips);
QFrame* addFrame(QWidget* window, const QRect& twips);
QFrame* addLine(QWidget* window, const QRect& twips);
QTimer* addTimer(QWidget* window);
QAction* addMenuEntry(QWidget* window, const QString& caption);
QPlainTextEdit* addPlainText(QWidget* window, const QString& text, const QRect& twips);

// The Tab key's walk through `stops` in the order of their tab indices; each keeps its index as
// its "tabIndex" property.
void arrangeTabOrder(std::vector<std::pair<int, QWidget*>> stops);

}  // namespace look
