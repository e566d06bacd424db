#pragma once

#include <look/CaptionButton.h>
#include <look/Controls.h>
#include <look/Style.h>
#include <look/TextBox.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <type_traits>

namespace look {

// No extra column: what most windows' rows carry.
struct NoColumn {};

// A control just made from its row: as the window's code holds it, and as the Tab key's walk
// takes it (null: a timer or a menu entry, which no key reaches).
struct MadeControl {
    QObject* control;
    QWidget* widget;
};

// One row of a window's table of controls, written by what it says:
//     Row::button("corriger", "Corriger(F12)").at(8880, 7080, 1095, 375).onClick(&W::corriger)
// A row names its control with its design name (its object name, by which tests find it),
// places it in twips (left, top, width, height), gives its looks (`style`), fills the window's
// member that holds it (`into`) and connects its handler: a click for buttons and check boxes
// (`onClick`), a tick for timers (`onTick`), a pick for menu entries (`onPick`); no other kind
// takes one. Boxes, buttons and check boxes stand in the Tab key's walk in the order of the
// rows (`noTab` takes one out); a control of the window's own class is made by a function of
// the window (`own`) and stands in the walk when its row says `tabStop`.
template <typename Window, typename Extra = NoColumn> class ControlRow {
public:
    using Handler = void (Window::*)();

    // What a row's control takes as handler, and on which of its signals.
    struct NoHandler {};
    struct Click {
        static void connect(QAbstractButton* button, Window* window, Handler handler)
        {
            QObject::connect(button, &QAbstractButton::clicked, window, handler);
        }
    };
    struct Tick {
        static void connect(QTimer* timer, Window* window, Handler handler)
        {
            QObject::connect(timer, &QTimer::timeout, window, handler);
        }
    };
    struct Pick {
        static void connect(QAction* entry, Window* window, Handler handler)
        {
            QObject::connect(entry, &QAction::triggered, window, handler);
        }
    };

    // A row being written, of a control of class `Control` taking the handlers `Takes` says.
    template <typename Control, typename Takes> class Builder {
    public:
        using Make = std::function<Control*(Window&, const ControlRow&)>;

        Builder(const QString& name, Kind kind, const QString& caption, bool tabStop, Make make)
            : make_(std::move(make))
        {
            row_.name = name;
            row_.kind = kind;
            row_.caption = caption;
            row_.tabStop = tabStop;
        }

        Builder& at(int left, int top, int width, int height)
        {
            row_.twips = QRect(left, top, width, height);
            return *this;
        }
        Builder& at(const QRect& twips)
        {
            row_.twips = twips;
            return *this;
        }
        Builder& style(const Style& style)
        {
            row_.style = style;
            return *this;
        }
        // The window's own column.
        Builder& with(const Extra& extra)
        {
            row_.extra = extra;
            return *this;
        }
        // The window's member that holds the control, filled when the table is built.
        template <typename Member> Builder& into(Member* Window::*member)
        {
            static_assert(std::is_base_of_v<Member, Control>,
                          "the member's class is not one the row's control has");
            bind_ = [member](Window& window, Control* control) { window.*member = control; };
            return *this;
        }
        Builder& noTab()
        {
            row_.tabStop = false;
            return *this;
        }
        template <typename C = Control> Builder& tabStop()
        {
            static_assert(std::is_base_of_v<QWidget, C>, "only a widget takes the focus");
            row_.tabStop = true;
            return *this;
        }
        template <typename T = Takes> Builder& onClick(Handler handler)
        {
            static_assert(std::is_same_v<T, Click>, "only a button or a check box is clicked");
            handler_ = handler;
            return *this;
        }
        template <typename T = Takes> Builder& onTick(Handler handler)
        {
            static_assert(std::is_same_v<T, Tick>, "only a timer ticks");
            handler_ = handler;
            return *this;
        }
        template <typename T = Takes> Builder& onPick(Handler handler)
        {
            static_assert(std::is_same_v<T, Pick>, "only a menu entry is picked");
            handler_ = handler;
            return *this;
        }

        // The row as the table keeps it: what it says, and how its control is made in the
        // window, held in its member and connected to its handler.
        operator ControlRow() const
        {
            ControlRow row = row_;
            row.make = [make = make_, bind = bind_, handler = handler_](Window& window,
                                                                        const ControlRow& made) {
                Control* control = make(window, made);
                if (bind)
                    bind(window, control);
                if constexpr (!std::is_same_v<Takes, NoHandler>)
                    if (handler)
                        Takes::connect(control, &window, handler);
                if constexpr (std::is_base_of_v<QWidget, Control>)
                    return MadeControl{control, control};
                else
                    return MadeControl{control, nullptr};
            };
            return row;
        }

    private:
        ControlRow row_;
        Make make_;
        std::function<void(Window&, Control*)> bind_;
        Handler handler_ = nullptr;
    };

    static Builder<QLabel, NoHandler> label(const QString& name, const QString& caption = {})
    {
        return {name, Kind::label, caption, false, [](Window& window, const ControlRow& row) {
                    return addLabel(&window, row.name, row.caption, row.twips);
                }};
    }
    static Builder<TextBox, NoHandler> textBox(const QString& name, const QString& text = {})
    {
        return {name, Kind::textBox, text, true, [](Window& window, const ControlRow& row) {
                    return addTextBox(&window, row.name, row.caption, row.twips);
                }};
    }
    static Builder<TextBox, NoHandler> lockedBox(const QString& name, const QString& text = {})
    {
        return {name, Kind::lockedBox, text, true, [](Window& window, const ControlRow& row) {
                    return addLockedBox(&window, row.name, row.caption, row.twips);
                }};
    }
    static Builder<CaptionButton, Click> button(const QString& name, const QString& caption)
    {
        return {name, Kind::button, caption, true, [](Window& window, const ControlRow& row) {
                    return addButton(&window, row.name, row.caption, row.twips);
                }};
    }
    // A button whose caption runs over its whole face but a thin border.
    static Builder<CaptionButton, Click> thinButton(const QString& name, const QString& caption)
    {
        return {name, Kind::thinButton, caption, true, [](Window& window, const ControlRow& row) {
                    return addButton(&window, row.name, row.caption, row.twips,
                                     CaptionButton::Room::thinBorder);
                }};
    }
    static Builder<QCheckBox, Click> checkBox(const QString& name)
    {
        return {name, Kind::checkBox, {}, true, [](Window& window, const ControlRow& row) {
                    return addCheckBox(&window, row.twips);
                }};
    }
    static Builder<QFrame, NoHandler> frame(const QString& name)
    {
        return {name, Kind::frame, {}, false, [](Window& window, const ControlRow& row) {
                    return addFrame(&window, row.twips);
                }};
    }
    static Builder<QFrame, NoHandler> line(const QString& name)
    {
        return {name, Kind::line, {}, false, [](Window& window, const ControlRow& row) {
                    return addLine(&window, row.twips);
                }};
    }
    static Builder<QTimer, Tick> timer(const QString& name)
    {
        return {name, Kind::timer, {}, false, [](Window& window, const ControlRow&) {
                    return addTimer(&window);
                }};
    }
    static Builder<QAction, Pick> menuEntry(const QString& name, const QString& caption)
    {
        return {name, Kind::menuEntry, caption, false, [](Window& window, const ControlRow& row) {
                    return addMenuEntry(&window, row.caption);
                }};
    }
    static Builder<QPlainTextEdit, NoHandler> plainText(const QString& name,
                                                        const QString& text = {})
    {
        return {name, Kind::plainText, text, true, [](Window& window, const ControlRow& row) {
                    return addPlainText(&window, row.caption, row.twips);
                }};
    }
    // A control of the window's own class, made and placed by `make`, which connects what it
    // has to: its row names it and dresses it.
    template <typename Control>
    static Builder<Control, NoHandler> own(const QString& name,
                                           Control* (Window::*make)(const ControlRow&),
                                           const QString& caption = {})
    {
        return {name, Kind::own, caption, false,
                [make](Window& window, const ControlRow& row) { return (window.*make)(row); }};
    }

    QString name;
    Kind kind = Kind::own;
    QString caption;
    QRect twips;
    Style style;
    Extra extra;
    bool tabStop = false;  // in the Tab key's walk, in the order of the rows
    // Makes the control in the window, fills its member and connects its handler.
    std::function<MadeControl(Window&, const ControlRow&)> make;
};

}  // namespace look
