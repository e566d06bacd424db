#include <testsupport/WindowProbe.h>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace testsupport {

WindowProbe::WindowProbe(const QObject& window)
{
    for (QObject* child : window.findChildren<QObject*>())
        if (!child->objectName().isEmpty() && !byName.contains(child->objectName()))
            byName.insert(child->objectName(), child);
}

QObject* WindowProbe::find(const QString& name) const
{
    return byName.value(name);
}

void WindowProbe::missing(const QString& name, const char* kind)
{
    std::fprintf(stderr, "The window has no %s named \"%s\".\n", kind, qPrintable(name));
    std::abort();
}

QString WindowProbe::indexed(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

QLineEdit* WindowProbe::box(const QString& name) const
{
    return get<QLineEdit>(name);
}

QLineEdit* WindowProbe::box(const QString& name, int index) const
{
    return get<QLineEdit>(name, index);
}

QPushButton* WindowProbe::button(const QString& name) const
{
    return get<QPushButton>(name);
}

QPushButton* WindowProbe::button(const QString& name, int index) const
{
    return get<QPushButton>(name, index);
}

QLabel* WindowProbe::label(const QString& name) const
{
    return get<QLabel>(name);
}

QTimer* WindowProbe::timer(const QString& name) const
{
    return get<QTimer>(name);
}

void WindowProbe::tick(const QString& name, int count) const
{
    QTimer* ticking = timer(name);
    for (int k = 0; k < count; ++k)
        QMetaObject::invokeMethod(ticking, "timeout");
}

QString WindowProbe::faceOf(const QWidget* widget)
{
    const QFontInfo used(widget->font());
    return QStringLiteral("%1 %2 px").arg(used.family()).arg(used.pixelSize());
}

}  // namespace testsupport
