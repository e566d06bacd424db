#pragma once

#include <QObject>

namespace look {

// The keys a player who comes from Windows expects in every window of the programs: Enter
// (or the keypad's Enter) presses the button that has the focus, and Shift+F10 opens the
// right-click menu of what has the focus, as the Menu key does. Windows gives Shift+F10 to the
// window as a right-click menu itself, so there the key never reaches this filter.
class WindowsKeys : public QObject {
    Q_OBJECT

public:
    // Watches the keys of every window of the application, once however often it is called.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace look
