#pragma once

#include <QStringList>

class QWidget;

namespace testsupport {

// What the table of a window's controls gives on screen, as design names that tests compare:
// the window's own controls (direct children with a name) and their tab indices.
class WindowLayout {
public:
    // Controls that stick out of the window's inner area.
    static QStringList outside(const QWidget& window);
    // Visible controls that overlap, as "a / b", but for frames (which hold other controls)
    // and the pairs that `designed` names, either way round.
    static QStringList overlaps(const QWidget& window, const QStringList& designed);
    // Controls that the Tab key reaches but that have no tab index.
    static QStringList withoutTabIndex(const QWidget& window);
    // The controls with a tab index, in the order of their indices...
    static QStringList byTabIndex(const QWidget& window);
    // ...and in the order in which the Tab key walks them, from the first of them.
    static QStringList tabWalk(const QWidget& window);
};

}  // namespace testsupport
