#include <look/Controls.h>

#include <look/Look.h>
#include <look/TextBox.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace look {

void setUpWindow(QWidget* window, const QString& caption, const QFont& face, QSize twips,
                 const QColor& background)
{
    window->setWindowTitle(caption);
    window->setFont(face);
    if (twips.isValid())
        window->setFixedSize(px(twips.width()), px(twips.height()));
    if (background.isValid()) {
        setBackground(window, background);
        window->setAutoFillBackground(true);
    }
}

void steadyTextCursor()
{
    QApplication::setCursorFlashTime(0);
}

QLabel* addLabel(QWidget* window, const QString& name, const QString& caption, const QRect& twips)
{
    auto* label = new QLabel(window);
    label->setObjectName(name);
    if (twips.width() == 0) {
        placeAt(label, twips.left(), twips.top());
        setCaption(label, caption);
    } else {
        place(label, twips.left(), twips.top(), twips.width(), twips.height());
        label->setText(caption);
        // Never narrower than its caption.
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }
    return label;
}

TextBox* addTextBox(QWidget* window, const QString& name, const QString& text, const QRect& twips)
{
    auto* box = new TextBox(text, window);
    box->setObjectName(name);
    place(box, twips.left(), twips.top(), twips.width(), twips.height());
    return box;
}

CaptionButton* addButton(QWidget* window, const QString& name, const QString& caption,
                         const QRect& twips, CaptionButton::Room room)
{
    auto* button = new CaptionButton(caption, window, room);
    button->setObjectName(name);
    place(button, twips.left(), twips.top(), twips.width(), twips.height());
    return button;
}

void arrangeTabOrder(std::vector<std::pair<int, QWidget*>> stops)
{
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
    for (const auto& [index, widget] : stops)
        widget->setProperty("tabIndex", index);  // as the design gives it, for whoever reads it
}

}  // namespace look
