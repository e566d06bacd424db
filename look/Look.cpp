#include <look/Look.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kLeftProperty = "leftTwips";

QPalette::ColorRole backgroundRole(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(widget) && !widget->inherits("QCheckBox"))
        return QPalette::Button;
    return QPalette::Window;
}

// Free faces from Debian's font packages that stand in for the designed ones: the
// metric-compatible ones where they exist (Liberation for Arial and Times New Roman), and
// for the others a face of the same kind and of no greater width, so that every caption
// stays whole at its designed place and the seven faces of "Changer de police" differ.
QStringList freeStandIns(const QString& family)
{
    if (family == "Georgia")
        return {"Caladea", "Liberation Serif"};
    if (family == "Times New Roman")
        return {"Liberation Serif"};
    if (family == "Verdana")
        return {"DejaVu Sans"};
    if (family == "Lucida Sans")
        return {"Open Sans", "DejaVu Sans"};
    if (family == "Arial")
        return {"Liberation Sans"};
    if (family == "Courier New")
        return {"Liberation Mono", "DejaVu Sans Mono"};
    if (family == "Abadi MT Condensed Light")
        return {"Open Sans Condensed Light", "Open Sans", "Liberation Sans Narrow",
                "Liberation Sans"};
    // MS Sans Serif, the face of every caption, and the rest: a condensed sans as narrow as
    // the designed boxes need.
    return {"Roboto Condensed", "Liberation Sans Narrow", "Liberation Sans"};
}

// The faces tried after the designed one. Windows has the designed faces themselves: Georgia,
// Times New Roman, Verdana, Arial, Courier New and MS Sans Serif come with every Windows. Where
// one is missing, a face of Windows of the same design stands in first: Lucida Sans comes only
// with other programs (Windows has Lucida Sans Unicode), Abadi MT Condensed Light with Office
// (Windows 10 and later have Bahnschrift's light condensed face, older ones Arial Narrow with
// Office), and Microsoft Sans Serif is the outline twin of the bitmap MS Sans Serif. The free
// stand-ins come last there: a Windows machine has them only when someone installed them
// (wine finds its host's).
QStringList standIns(const QString& family)
{
#ifdef Q_OS_WIN
    QStringList windows;
    if (family == "Lucida Sans")
        windows = {"Lucida Sans Unicode"};
    else if (family == "Abadi MT Condensed Light")
        windows = {"Bahnschrift Light Condensed", "Arial Narrow"};
    else if (family == "MS Sans Serif")
        windows = {"Microsoft Sans Serif"};
    return windows + freeStandIns(family);
#else
    return freeStandIns(family);
#endif
}

}  // namespace

namespace look {

// The left edge is kept in twips beside the widget, so that moves by a number of twips
// add up exactly instead of drifting with the rounding to pixels.
void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setProperty(kLeftProperty, left);
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void placeAt(QWidget* widget, int left, int top)
{
    widget->setProperty(kLeftProperty, left);
    widget->move(px(left), px(top));
}

void setLeft(QWidget* widget, int left)
{
    widget->setProperty(kLeftProperty, left);
    widget->move(px(left), widget->y());
}

int left(const QWidget* widget)
{
    const QVariant kept = widget->property(kLeftProperty);
    if (kept.isValid() && px(kept.toInt()) == widget->x())
        return kept.toInt();
    return twips(widget->x());
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole(widget), colour);
    widget->setPalette(palette);
    if (backgroundRole(widget) == QPalette::Window && widget->parentWidget())
        widget->setAutoFillBackground(true);
}

QColor background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, backgroundRole(widget));
}

void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void keepColoursWhenDisabled(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                     QPalette::Text, QPalette::Button, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    widget->setPalette(palette);
}

// The family and its stand-ins. The light condensed face is asked by its style too: where
// fonts are read from their files without fontconfig (Qt's offscreen platform on Windows), Open
// Sans's light condensed face is known only as the style "Condensed Light" of "Open Sans".
namespace {
void setFamilies(QFont& font, const QString& family)
{
    font.setFamilies(QStringList{family} + standIns(family));
    font.setStyleName(family == "Abadi MT Condensed Light" ? QStringLiteral("Condensed Light")
                                                           : QString());
}
}  // namespace

QFont face(const QString& family, qreal points, bool bold)
{
    QFont font;
    setFamilies(font, family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setFace(QWidget* widget, const QString& family)
{
    QFont font = widget->font();
    setFamilies(font, family);
    widget->setFont(font);
}

void setPoints(QWidget* widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

QColor systemWindow()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor activeTitleBar()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

}  // namespace look
