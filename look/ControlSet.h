#pragma once

#include <look/Controls.h>
#include <look/Style.h>

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace look {

// No extra column: what most windows' rows carry.
struct NoColumn {};

// The controls of a window, made from one table, a row a control, and reached by their design
// names. A window that needs a column of its own (the steps at which a control is shown, say)
// gives its type as `Extra`.
template <typename Window, typename Extra = NoColumn> class ControlSet {
public:
    using Handler = void (Window::*)();
    // One control: its design name, kind, caption or text, place in twips (left, top, width,
    // height), tab index (-1: no tab stop), the window's handler of its click, tick or menu
    // pick (none: nullptr), its looks and the window's own column.
    struct Row {
        QString name;
        Kind kind;
        QString caption;
        QRect twips;
        int tabIndex;
        Handler handler;
        Style style = Style();
        Extra extra = Extra();
    };
    using Table = std::vector<Row>;
    // Makes a row of kind `own`, of the window's own class, placed and connected.
    using MakeOwn = std::function<QObject*(const Row&)>;

    // `what` names the window in the report of a name it does not have.
    ControlSet(Window* window, const char* what) : window_(window), what_(what) {}

    // The looks every control of `kind` takes, under those of its row.
    void setDefault(Kind kind, const Style& style) { defaults_[kind] = style; }

    // Every control of `table` in its order (later ones stand above earlier ones), named with
    // its design name, dressed in its looks, its handler connected and the Tab key's walk in
    // the order of the tab indices.
    void build(const Table& table, const MakeOwn& makeOwn = nullptr)
    {
        table_ = &table;
        std::vector<std::pair<int, QWidget*>> tabStops;
        for (const Row& row : table) {
            QObject* made = row.kind == Kind::own
                ? makeOwn(row)
                : makeControl(window_, row.kind, row.name, row.caption, row.twips);
            made->setObjectName(row.name);
            controls_.insert(row.name, made);
            dress(made, row.kind, row.twips, row.style.over(defaults_[row.kind]));
            if (row.tabIndex >= 0)
                tabStops.emplace_back(row.tabIndex, static_cast<QWidget*>(made));
            connectHandler(made, row.handler);
        }
        arrangeTabOrder(std::move(tabStops));
    }

    // The control named `name`. A name that is not in the table, or a control of another
    // class, is a fault of the window's own code and ends the program.
    template <typename Control> Control* get(const QString& name) const
    {
        auto* found = qobject_cast<Control*>(controls_.value(name));
        if (!found)
            qFatal("%s has no %s named %s", what_, Control::staticMetaObject.className(),
                   qPrintable(name));
        return found;
    }

    const Table& rows() const { return *table_; }

private:
    // The window's handler on the control's own signal: a button's click, a timer's tick, a
    // menu entry's pick. Any other control's signal is the window's to connect.
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
    const char* what_;
    const Table* table_ = nullptr;
    QHash<QString, QObject*> controls_;
    std::map<Kind, Style> defaults_;
};

}  // namespace look
