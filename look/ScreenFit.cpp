#include <look/ScreenFit.h>

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace look {

namespace {

// The start of a span of `length` in [first, first + room): moved in by the least, `first`
// when it is longer than the room.
int within(int start, int length, int first, int room)
{
    return length >= room ? first : std::clamp(start, first, first + room - length);
}

}  // namespace

ScreenFit::ScreenFit(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

void ScreenFit::keep(QWidget* window)
{
    new ScreenFit(window);
}

QRect ScreenFit::fitted(QRect frame, const QRect& available, bool mayShrink)
{
    if (mayShrink)
        frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveTo(within(frame.left(), frame.width(), available.left(), available.width()),
                 within(frame.top(), frame.height(), available.top(), available.height()));
    return frame;
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Show))
        fit();
    return QObject::eventFilter(watched, event);
}

void ScreenFit::fit()
{
    const QScreen* screen = window_->screen();
    if (!screen || !window_->isWindow())
        return;
    const QRect frame = window_->frameGeometry();
    const bool mayShrink = window_->minimumSize() != window_->maximumSize();
    const QRect target = fitted(frame, screen->availableGeometry(), mayShrink);
    if (target.size() != frame.size())
        window_->resize(window_->size() - (frame.size() - target.size()));
    if (target.topLeft() != frame.topLeft())
        window_->move(target.topLeft());  // a window's place is that of its frame
}

}  // namespace look
