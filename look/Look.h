#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// Places, colours and fonts of the controls, in the units the windows are designed in:
// twips from the top left of a window's inner area (15 twips make one pixel).
namespace look {

constexpr int px(int twips)
{
    return twips / 15;
}
constexpr int twips(int pixels)
{
    return pixels * 15;
}

void place(QWidget* widget, int left, int top, int width, int height);
void placeAt(QWidget* widget, int left, int top);
void setLeft(QWidget* widget, int left);
int left(const QWidget* widget);

// The colour the control paints its background with (the text area of a text box,
// the face of a button, the whole of a label, frame or window).
void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);
void setForeground(QWidget* widget, const QColor& colour);
// The control keeps the colours it has now when it or its window is disabled,
// instead of the greyed ones of the style.
void keepColoursWhenDisabled(QWidget* widget);

// A font by its designed face; when the face is not installed the nearest one of
// the same kind stands in for it, while family() still names the designed face.
QFont face(const QString& family, qreal points, bool bold = false);
void setFace(QWidget* widget, const QString& family);
void setPoints(QWidget* widget, qreal points);

// A label that sizes itself to its caption.
void setCaption(QLabel* label, const QString& caption);

QColor systemWindow();
QColor activeTitleBar();

}  // namespace look
