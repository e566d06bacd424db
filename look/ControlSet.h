#pragma once

#include <look/ControlRow.h>
#include <look/Controls.h>
#include <look/Style.h>

#include <QAbstractButton>
#include <QAction>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace look {

// The controls of a window, made from one table, a row a control (`ControlRow`): each named
// with its design name, placed, dressed, held in the window's member its row names and
// connected to its handler. A window that needs a column of its own (the steps at which a
// control is shown, say) gives its type as `Extra`.
template <typename Window, typename Extra = NoColumn> class ControlSet {
public:
    using Row = ControlRow<Window, Extra>;
    using Handler = typename Row::Handler;
    using Table = std::vector<Row>;
    // Each row with the control made from it, in the table's order.
    using Made = std::vector<std::pair<const Row*, QObject*>>;

    explicit ControlSet(Window* window) : window_(window) {}

    // The looks every control of `kind` takes, under those of its row.
    void setDefault(Kind kind, const Style& style) { defaults_[kind] = style; }

    // Every control of `table` in its order (later ones stand above earlier ones) and the Tab
    // key's walk in the order of the rows.
    void build(const Table& table)
    {
        std::vector<std::pair<int, QWidget*>> tabStops;
        for (const Row& row : table) {
            QObject* made = nullptr;
            if (row.make) {
                const MadeControl control = row.make(*window_, row);
                made = control.control;
                if (row.tabStop && control.widget)
                    tabStops.emplace_back(static_cast<int>(tabStops.size()), control.widget);
            } else {
                made = makeOlderRow(row, tabStops);
            }
            made->setObjectName(row.name);
            made_.emplace_back(&row, made);
            dress(made, row.kind, row.twips, row.style.over(defaults_[row.kind]));
        }
        arrangeTabOrder(std::move(tabStops));
    }

    const Made& made() const { return made_; }

    // ---- The older form, by position and by name, that the training window still uses until
    // its table is written with the builders of `ControlRow`; it goes then, with `get`.

    ControlSet(Window* window, const char* what) : window_(window), what_(what) {}

    // The control named `name`; a name that is not in the table, or a control of another
    // class, ends the program.
    template <typename Control> Control* get(const QString& name) const
    {
        for (const auto& [row, made] : made_)
            if (row->name == name)
                if (auto* found = qobject_cast<Control*>(made))
                    return found;
        qFatal("%s has no %s named %s", what_, Control::staticMetaObject.className(),
               qPrintable(name));
        return nullptr;
    }

private:
    QObject* makeOlderRow(const Row& row, std::vector<std::pair<int, QWidget*>>& tabStops) const
    {
        QObject* made = makeControl(window_, row.kind, row.name, row.caption, row.twips);
        if (row.tabIndex >= 0)
            if (auto* widget = qobject_cast<QWidget*>(made))
                tabStops.emplace_back(row.tabIndex, widget);
        connectHandler(made, row.handler);
        return made;
    }

    void connectHandler(QObject* control, Handler handler) const
    {
        if (!handler)
            return;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::clicked, window_, handler);
        else if (auto* timer = qobject_cast<QTimer*>(control))
            QObject::connect(timer, &QTimer::timeout, window_, handler);
        else if (auto* entry = qobject_cast<QAction*>(control))
            QObject::connect(entry, &QAction::triggered, window_, handler);
    }

    Window* window_;
    const char* what_ = "";
    Made made_;
    std::map<Kind, Style> defaults_;
};

}  // namespace look
