#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace testsupport {

// A window's controls as tests reach them: by the design names that they carry as object
// names ("corriger", "tirage(3)", "Timer1"). A name the window does not have, or a control of
// another kind, ends the test program with a message naming it.
class WindowProbe {
public:
    explicit WindowProbe(const QObject& window);

    template <typename Control> Control* get(const QString& name) const
    {
        auto* control = qobject_cast<Control*>(find(name));
        if (!control)
            missing(name, Control::staticMetaObject.className());
        return control;
    }
    template <typename Control> Control* get(const QString& name, int index) const
    {
        return get<Control>(indexed(name, index));
    }

    QLineEdit* box(const QString& name) const;
    QLineEdit* box(const QString& name, int index) const;
    QPushButton* button(const QString& name) const;
    QPushButton* button(const QString& name, int index) const;
    QLabel* label(const QString& name) const;
    QTimer* timer(const QString& name) const;

    // `count` ticks of the timer named `name`, as its interval running out would give them.
    void tick(const QString& name, int count = 1) const;

    // "name(index)", the design name of an element of a control array.
    static QString indexed(const QString& name, int index);
    // The face and pixel size that actually draw `widget`, for messages.
    static QString faceOf(const QWidget* widget);

private:
    QObject* find(const QString& name) const;
    [[noreturn]] static void missing(const QString& name, const char* kind);

    QHash<QString, QObject*> byName;
};

}  // namespace testsupport
