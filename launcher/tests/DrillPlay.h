#pragma once

#include <testsupport/WindowProbe.h>

#include <QHash>
#include <QLineEdit>
#include <QStringList>

// The player answers the open series: each slot whose draw is a key of `known` gets its value.
inline void answer(const testsupport::WindowProbe& ui, const QHash<QString, QString>& known)
{
    for (int slot = 0; slot < 30; ++slot) {
        const QString draw = ui.box(QStringLiteral("tirage"), slot)->text();
        if (known.contains(draw))
            ui.box(QStringLiteral("solution"), slot)->setText(known.value(draw));
    }
}

// The draws the open series shows, in slot order.
inline QStringList drawsShown(const testsupport::WindowProbe& ui)
{
    QStringList draws;
    for (int slot = 0; slot < 30; ++slot)
        if (!ui.box(QStringLiteral("tirage"), slot)->text().isEmpty())
            draws << ui.box(QStringLiteral("tirage"), slot)->text();
    return draws;
}
