#pragma once

#include <look/ControlRow.h>
#include <look/Controls.h>
#include <look/Style.h>

#include <QRect>
#include <QString>
#include <QWidget>

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
    // key's walk in the order of the rows. A window made of two tables (a part of its own made
    // first, then the rest) gives the last stop of the first as `walkAfter`: the walk goes on
    // from there, its indices following on.
    void build(const Table& table, QWidget* walkAfter = nullptr)
    {
        std::vector<std::pair<int, QWidget*>> tabStops;
        int next = 0;
        if (walkAfter) {
            next = walkAfter->property("tabIndex").toInt();
            tabStops.emplace_back(next++, walkAfter);
        }
        for (const Row& row : table) {
            const MadeControl control = row.make(*window_, row);
            if (row.tabStop && control.widget)
                tabStops.emplace_back(next++, control.widget);
            control.control->setObjectName(row.name);
            made_.emplace_back(&row, control.control);
            dress(control.control, row.kind, row.twips, row.style.over(defaults_[row.kind]));
        }
        arrangeTabOrder(std::move(tabStops));
    }

    // Each row with the control made from it, in the table's order.
    const Made& made() const { return made_; }

private:
    Window* window_;
    Made made_;
    std::map<Kind, Style> defaults_;
};

}  // namespace look
