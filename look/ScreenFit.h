#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace look {

// Keeps a window on its screen, above the taskbar, each time it is shown: the windows keep
// their designed size, in twips, which Windows scales (150 % makes the training window 980
// pixels high inside its frame); where the window with its frame would pass the edge of the
// room the screen leaves, it is moved in, its title bar always on screen. A window that may be
// resized (a dialog) is made smaller to fit.
class ScreenFit : public QObject {
    Q_OBJECT

public:
    // `window` is kept on screen from now on; the fit is a child of the window.
    static void keep(QWidget* window);

    // Where a window whose frame is `frame` goes in the room `available` leaves: moved in by
    // the least, its top left corner inside when it cannot fit whole; shrunk to fit first when
    // `mayShrink`.
    static QRect fitted(QRect frame, const QRect& available, bool mayShrink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ScreenFit(QWidget* window);
    void fit();

    QWidget* window_;
};

}  // namespace look
