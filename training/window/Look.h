#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Places, colours and fonts of the controls, in the units the windows are designed in:
// twips from the top left of a window's inner area (15 twips make one pixel).
class Look {
public:
    static int px(int twips) { return twips / 15; }
    static int twips(int pixels) { return pixels * 15; }

    static void place(QWidget* widget, int left, int top, int width, int height);
    static void placeAt(QWidget* widget, int left, int top);
    static void setLeft(QWidget* widget, int left);
    static int left(const QWidget* widget);

    // The colour the control paints its background with (the text area of a text box,
    // the face of a button, the whole of a label, frame or window).
    static void setBackground(QWidget* widget, const QColor& colour);
    static QColor background(const QWidget* widget);
    static void setForeground(QWidget* widget, const QColor& colour);
    // The control keeps the colours it has now when it or its window is disabled,
    // instead of the greyed ones of the style.
    static void keepColoursWhenDisabled(QWidget* widget);

    // A font by its designed face; when the face is not installed the nearest one of
    // the same kind stands in for it, while family() still names the designed face.
    static QFont face(const QString& family, qreal points, bool bold = false);
    static void setFace(QWidget* widget, const QString& family);
    static void setPoints(QWidget* widget, qreal points);

    // Whatever the program writes into `box` is shown from its first character, however
    // long; what the player types keeps the cursor where the typing leaves it.
    static void showStartWhenWritten(QLineEdit* box);

    // A label that sizes itself to its caption.
    static void setCaption(QLabel* label, const QString& caption);

    static QColor systemWindow();
    static QColor activeTitleBar();
};
