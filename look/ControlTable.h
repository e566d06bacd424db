#pragma once

#include <look/Controls.h>

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

// A window made from one table of its controls, a row a control.
namespace look {

// One control of a window's table: its design name, kind, caption or text, place in twips
// (left, top, width, height), tab index (-1: no tab stop) and the window's handler of its
// click, tick or menu pick (none: nullptr).
template <typename Window, typename Kind> struct ControlRow {
    QString name;
    Kind kind;
    QString caption;
    QRect twips;
    int tabIndex;
    void (Window::*handler)();
};

// The window's handler on the control's own signal: a button's click, a timer's tick, a menu
// entry's pick. Any other control's signal is the window's to connect where it makes it.
template <typename Window>
void connectHandler(QObject* control, Window* window, void (Window::*handler)())
{
    if (!handler)
        return;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        QObject::connect(button, &QAbstractButton::clicked, window, handler);
    else if (auto* timer = qobject_cast<QTimer*>(control))
        QObject::connect(timer, &QTimer::timeout, window, handler);
    else if (auto* entry = qobject_cast<QAction*>(control))
        QObject::connect(entry, &QAction::triggered, window, handler);
}

// Every control of `table`, made by `make` in the order of the table, named with its design
// name and kept under it in `controls`, with its handler connected and the Tab key's walk in
// the order of the tab indices.
template <typename Window, typename Row, typename Control, typename Make>
void buildControls(Window* window, const std::vector<Row>& table,
                   QHash<QString, Control*>& controls, Make make)
{
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const Row& row : table) {
        Control* made = make(row);
        made->setObjectName(row.name);
        controls.insert(row.name, made);
        if (row.tabIndex >= 0)
            tabStops.emplace_back(row.tabIndex, static_cast<QWidget*>(made));
        connectHandler(made, window, row.handler);
    }
    arrangeTabOrder(std::move(tabStops));
}

// The control of the table named `name`. A name that is not in the table, or a control of
// another class, is a fault of the window's own code: `window` names the window in the report.
template <typename Control, typename Stored>
Control* namedControl(const QHash<QString, Stored*>& controls, const QString& name,
                      const char* window)
{
    auto* found = qobject_cast<Control*>(controls.value(name));
    if (!found)
        qFatal("%s has no %s named %s", window, Control::staticMetaObject.className(),
               qPrintable(name));
    return found;
}

}  // namespace look
