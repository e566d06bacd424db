#include "Look.h"

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

QStringList standIns(const QString& family)
{
    if (family == "Georgia" || family == "Times New Roman")
        return {"Liberation Serif", "DejaVu Serif"};
    if (family == "Abadi MT Condensed Light")
        return {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"};
    if (family == "Verdana" || family == "Lucida Sans")
        return {"DejaVu Sans", "Liberation Sans"};
    return {"Liberation Sans", "DejaVu Sans"};  // Arial, MS Sans Serif and the rest
}

}  // namespace

// The left edge is kept in twips beside the widget, so that moves by a number of twips
// add up exactly instead of drifting with the rounding to pixels.
void Look::place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setProperty(kLeftProperty, left);
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

void Look::placeAt(QWidget* widget, int left, int top)
{
    widget->setProperty(kLeftProperty, left);
    widget->move(px(left), px(top));
}

void Look::setLeft(QWidget* widget, int left)
{
    widget->setProperty(kLeftProperty, left);
    widget->move(px(left), widget->y());
}

int Look::left(const QWidget* widget)
{
    const QVariant kept = widget->property(kLeftProperty);
    if (kept.isValid() && px(kept.toInt()) == widget->x())
        return kept.toInt();
    return twips(widget->x());
}

void Look::setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole(widget), colour);
    widget->setPalette(palette);
    if (backgroundRole(widget) == QPalette::Window && widget->parentWidget())
        widget->setAutoFillBackground(true);
}

QColor Look::background(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, backgroundRole(widget));
}

void Look::setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QFont Look::face(const QString& family, qreal points, bool bold)
{
    QFont font;
    font.setFamilies(QStringList{family} + standIns(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Look::setFace(QWidget* widget, const QString& family)
{
    QFont font = widget->font();
    font.setFamilies(QStringList{family} + standIns(family));
    widget->setFont(font);
}

void Look::setPoints(QWidget* widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void Look::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

QColor Look::systemWindow()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor Look::activeTitleBar()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}
