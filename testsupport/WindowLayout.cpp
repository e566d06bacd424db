#include <testsupport/WindowLayout.h>

#include <QFrame>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace testsupport {

namespace {

std::vector<QWidget*> controlsOf(const QWidget& window)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty() && !child->isWindow())
            controls.push_back(child);
    return controls;
}

int tabIndexOf(const QWidget* widget)
{
    const QVariant index = widget->property("tabIndex");
    return index.isValid() ? index.toInt() : -1;
}

bool holdsOthers(const QWidget* widget)
{
    const auto* frame = qobject_cast<const QFrame*>(widget);
    return frame && frame->frameShape() != QFrame::HLine && frame->frameShape() != QFrame::VLine
        && frame->metaObject() == &QFrame::staticMetaObject;
}

}  // namespace

QStringList WindowLayout::outside(const QWidget& window)
{
    QStringList names;
    for (const QWidget* control : controlsOf(window))
        if (!window.rect().contains(control->geometry()))
            names << control->objectName();
    return names;
}

QStringList WindowLayout::overlaps(const QWidget& window, const QStringList& designed)
{
    std::vector<QWidget*> shown;
    for (QWidget* control : controlsOf(window))
        if (!control->isHidden() && !holdsOthers(control))
            shown.push_back(control);
    QStringList pairs;
    for (std::size_t a = 0; a < shown.size(); ++a)
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            if (!shown[a]->geometry().intersects(shown[b]->geometry()))
                continue;
            const QString one = shown[a]->objectName();
            const QString other = shown[b]->objectName();
            if (!designed.contains(one + " / " + other) && !designed.contains(other + " / " + one))
                pairs << one + " / " + other;
        }
    return pairs;
}

QStringList WindowLayout::withoutTabIndex(const QWidget& window)
{
    QStringList names;
    for (const QWidget* control : controlsOf(window))
        if ((control->focusPolicy() & Qt::TabFocus) && tabIndexOf(control) < 0)
            names << control->objectName();
    return names;
}

QStringList WindowLayout::byTabIndex(const QWidget& window)
{
    std::vector<QWidget*> stops;
    for (QWidget* control : controlsOf(window))
        if (tabIndexOf(control) >= 0)
            stops.push_back(control);
    std::stable_sort(stops.begin(), stops.end(), [](const QWidget* a, const QWidget* b) {
        return tabIndexOf(a) < tabIndexOf(b);
    });
    QStringList names;
    for (const QWidget* stop : stops)
        names << stop->objectName();
    return names;
}

QStringList WindowLayout::tabWalk(const QWidget& window)
{
    const QStringList ordered = byTabIndex(window);
    QStringList names;
    if (ordered.isEmpty())
        return names;
    QWidget* first = window.findChild<QWidget*>(ordered.first(), Qt::FindDirectChildrenOnly);
    QWidget* widget = first;
    do {
        if (widget->parentWidget() == &window && tabIndexOf(widget) >= 0)
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() <= ordered.size());
    return names;
}

}  // namespace testsupport
