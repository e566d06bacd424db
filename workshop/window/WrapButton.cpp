#include "WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // The whole face but a thin border: the buttons are too small for the style's margins.
    const QRect area = rect().adjusted(2, 1, -2, -1);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         caption, QPalette::ButtonText);
}
