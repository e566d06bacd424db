#include <look/WindowsKeys.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace look {

namespace {

bool isEnter(const QKeyEvent& key)
{
    // Shift and the keypad's own flag change nothing; Ctrl+Enter and Alt+Enter are not Enter.
    const Qt::KeyboardModifiers others =
        key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && others == Qt::NoModifier;
}

bool isShiftF10(const QKeyEvent& key)
{
    return key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

// The control a key goes to first: the focus of its window, or the window that has none. A key
// the control leaves goes on to its parents, which see it after it.
bool takesKeysFirst(const QWidget* widget)
{
    const QWidget* focus = widget->window()->focusWidget();
    return focus ? focus == widget : widget->isWindow();
}

// A key held down presses the button once: a held Enter must not draw series after series.
bool pressFocusedButton(QObject* watched, const QKeyEvent& key)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !takesKeysFirst(button) || !button->isEnabled())
        return false;
    if (!key.isAutoRepeat())
        button->click();
    return true;
}

// The right-click menu of the focused control, placed as the Menu key places it: at the text
// cursor of a box, in the middle of any other control. The event goes up to the window when
// the control has no menu of its own.
bool openMenuOfFocus(QObject* watched)
{
    auto* focused = qobject_cast<QWidget*>(watched);
    if (!focused || !takesKeysFirst(focused) || QApplication::activePopupWidget())
        return false;
    if (focused->isEnabled()) {
        const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
        QApplication::sendEvent(focused, &menu);
    }
    return true;
}

}  // namespace

void WindowsKeys::install()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->findChild<WindowsKeys*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new WindowsKeys(application));
}

bool WindowsKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isEnter(key))
        return pressFocusedButton(watched, key);
    if (isShiftF10(key))
        return openMenuOfFocus(watched);
    return false;
}

}  // namespace look
