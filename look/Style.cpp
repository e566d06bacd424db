#include <look/Style.h>

#include <look/CaptionButton.h>
#include <look/Look.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace look {

Style& Style::font(const QString& family, qreal points, bool bold)
{
    font_ = face(family, points, bold);
    return *this;
}

Style& Style::font(const QFont& font)
{
    font_ = font;
    return *this;
}

Style& Style::background(const QColor& colour)
{
    background_ = colour;
    return *this;
}

Style& Style::foreground(const QColor& colour)
{
    foreground_ = colour;
    return *this;
}

Style& Style::keepColoursWhenDisabled()
{
    keepColours_ = true;
    return *this;
}

Style& Style::align(Qt::Alignment alignment)
{
    alignment_ = alignment;
    return *this;
}

Style& Style::wordWrap()
{
    wordWrap_ = true;
    return *this;
}

Style& Style::disabled()
{
    disabled_ = true;
    return *this;
}

Style& Style::hidden()
{
    hidden_ = true;
    return *this;
}

Style& Style::readOnly()
{
    readOnly_ = true;
    return *this;
}

Style& Style::checked()
{
    checked_ = true;
    return *this;
}

Style& Style::flat()
{
    flat_ = true;
    return *this;
}

Style& Style::noScrollBar()
{
    noScrollBar_ = true;
    return *this;
}

Style Style::over(const Style& defaults) const
{
    Style merged = *this;
    if (!merged.font_)
        merged.font_ = defaults.font_;
    if (!merged.background_.isValid())
        merged.background_ = defaults.background_;
    if (!merged.foreground_.isValid())
        merged.foreground_ = defaults.foreground_;
    if (!merged.alignment_)
        merged.alignment_ = defaults.alignment_;
    merged.keepColours_ |= defaults.keepColours_;
    merged.wordWrap_ |= defaults.wordWrap_;
    merged.disabled_ |= defaults.disabled_;
    merged.hidden_ |= defaults.hidden_;
    merged.readOnly_ |= defaults.readOnly_;
    merged.checked_ |= defaults.checked_;
    merged.flat_ |= defaults.flat_;
    merged.noScrollBar_ |= defaults.noScrollBar_;
    return merged;
}

// The colours first: keeping them when disabled copies the ones set here.
void Style::applyTo(QObject* control) const
{
    auto* widget = qobject_cast<QWidget*>(control);
    if (!widget)
        return;
    if (font_)
        widget->setFont(*font_);
    if (background_.isValid())
        setBackground(widget, background_);
    if (foreground_.isValid())
        setForeground(widget, foreground_);
    if (keepColours_)
        look::keepColoursWhenDisabled(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    auto* box = qobject_cast<QLineEdit*>(widget);
    auto* area = qobject_cast<QPlainTextEdit*>(widget);
    if (alignment_ && label)
        label->setAlignment(*alignment_);
    if (alignment_ && box)
        box->setAlignment(*alignment_);
    if (wordWrap_ && label)
        label->setWordWrap(true);
    if (readOnly_ && box)
        box->setReadOnly(true);
    if (readOnly_ && area)
        area->setReadOnly(true);
    if (noScrollBar_ && area)
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (checked_)
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setChecked(true);
    if (flat_)
        if (auto* button = qobject_cast<CaptionButton*>(widget))
            button->setFlatFace(true);
    if (disabled_)
        widget->setEnabled(false);
    if (hidden_)
        widget->hide();
}

}  // namespace look
