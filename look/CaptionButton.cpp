#include <look/CaptionButton.h>

#include <QStyleOptionButton>
#include <QStylePainter>

namespace look {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent, Room room)
    : QPushButton(caption, parent), room_(room)
{
}

void CaptionButton::setFlatFace(bool flat)
{
    flatFace_ = flat;
    update();
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
    if (flatFace_) {
        // Inside the style's frame and focus ring; pressed, the face darkens as the style's does.
        const QColor face = palette().color(QPalette::Button);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), isDown() ? face.darker(115) : face);
    }
    painter.drawItemText(captionArea(), kCaptionFlags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

}  // namespace look
