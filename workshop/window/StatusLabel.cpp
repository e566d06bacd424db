#include <workshop/window/StatusLabel.h>

#include <QPainter>
#include <QTextOption>

namespace workshop {

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {}

void StatusLabel::setWraps(bool wraps)
{
    wraps_ = wraps;
    update();
}

void StatusLabel::paintEvent(QPaintEvent* event)
{
    if (!wraps_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(rect()), text(), option);
}

}  // namespace workshop
