#include <launcher/CatalogueBox.h>

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

namespace launcher {

CatalogueBox::CatalogueBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // a typed title is passed as typed, even when it names no list
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (picking)
            Q_EMIT itemPicked(index);
    });
}

// An item chosen in the open list closes it first and is announced right after, within the
// same event; a list closed without a choice announces nothing.
void CatalogueBox::hidePopup()
{
    picking = true;
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { picking = false; });
}

void CatalogueBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        picking = true;
        QComboBox::keyPressEvent(event);
        picking = false;
        break;
    default:
        QComboBox::keyPressEvent(event);  // typing, Enter included: never a pick
        break;
    }
}

void CatalogueBox::wheelEvent(QWheelEvent* event)
{
    picking = true;
    QComboBox::wheelEvent(event);
    picking = false;
}

}  // namespace launcher
