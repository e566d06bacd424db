#include <look/CaptionButton.h>

#include <QStyleOptionButton>
#include <QStylePainter>

namespace look {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent, Room room)
    : QPushButton(caption, parent), room_(room)
{
}

QRect CaptionButton::captionArea() const
{
    if (room_ == Room::thinBorder)
        return rect().adjusted(2, 1, -2, -1);
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(1, 0, -1, 0);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionArea(), kCaptionFlags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

}  // namespace look
