#include <look/Controls.h>

#include <look/Look.h>
#include <look/TextBox.h>
#include <look/WindowsKeys.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace look {

void setUpWindow(QWidget* window, const QString& caption, const QFont& face, QSize twips,
                 const QColor& background)
{
    window->setWindowTitle(caption);
    window->setFont(face);
    WindowsKeys::install();
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

TextBox* addLockedBox(QWidget* window, const QString& name, const QString& text, const QRect& twips)
{
    TextBox* locked = addTextBox(window, name, text, twips);
    locked->setReadOnly(true);
    return locked;
}

namespace {

template <typename Control> Control* placed(Control* control, const QRect& at)
{
    place(control, at.left(), at.top(), at.width(), at.height());
    return control;
}

}  // namespace

QCheckBox* addCheckBox(QWidget* window, const QRect& twips)
{
    return placed(new QCheckBox(window), twips);
}

QFrame* addFrame(QWidget* window, const QRect& twips)
{
    auto* frame = new QFrame(window);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return placed(frame, twips);
}

// One pixel wide, in black, whatever the style.
QFrame* addLine(QWidget* window, const QRect& twips)
{
    auto* line = new QFrame(window);
    line->setFrameShape(twips.height() == 0 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    setForeground(line, Qt::black);
    line->setGeometry(px(twips.left()), px(twips.top()), px(twips.width()) + 1,
                      px(twips.height()) + 1);
    return line;
}

QTimer* addTimer(QWidget* window)
{
    auto* ticking = new QTimer(window);
    ticking->setInterval(1000);
    return ticking;
}

QAction* addMenuEntry(QWidget* window, const QString& caption)
{
    return new QAction(caption, window);
}

QPlainTextEdit* addPlainText(QWidget* window, const QString& text, const QRect& twips)
{
    return placed(new QPlainTextEdit(text, window), twips);
}

QObject* makeControl(QWidget* window, Kind kind, const QString& name, const QString& caption,
                     const QRect& at)
{
    switch (kind) {
    case Kind::label:
        return addLabel(window, name, caption, at);
    case Kind::textBox:
        return addTextBox(window, name, caption, at);
    case Kind::lockedBox:
        return addLockedBox(window, name, caption, at);
    case Kind::button:
        return addButton(window, name, caption, at);
    case Kind::thinButton:
        return addButton(window, name, caption, at, CaptionButton::Room::thinBorder);
    case Kind::checkBox:
        return addCheckBox(window, at);
    case Kind::frame:
        return addFrame(window, at);
    case Kind::line:
        return addLine(window, at);
    case Kind::timer:
        return addTimer(window);
    case Kind::menuEntry:
        return addMenuEntry(window, caption);
    case Kind::plainText:
        return addPlainText(window, caption, at);
    case Kind::own:
        break;
    }
    return nullptr;
}

void dress(QObject* control, Kind kind, const QRect& twips, const Style& style)
{
    style.applyTo(control);
    if (kind == Kind::label && twips.width() == 0 && style.setsFont())
        if (auto* label = qobject_cast<QLabel*>(control))
            label->adjustSize();
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
