#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QObject;

namespace look {

// The looks of one control beyond its caption and place, as its row of the window's table
// gives them: each call sets one, and what is not set stays as the control is made.
//     Style().font("Arial", 8.25).background(Colour::tile).flat()
class Style {
public:
    Style& font(const QString& family, qreal points, bool bold = false);
    Style& font(const QFont& font);
    Style& background(const QColor& colour);
    Style& foreground(const QColor& colour);
    // The control keeps its colours when it or its window is disabled.
    Style& keepColoursWhenDisabled();
    Style& align(Qt::Alignment alignment);
    Style& wordWrap();
    Style& disabled();
    Style& hidden();
    Style& readOnly();
    Style& checked();
    // A button face of one flat colour, as graphical buttons show it.
    Style& flat();
    // A text area the player cannot scroll.
    Style& noScrollBar();

    // This style, where it says nothing taking what `defaults` says.
    Style over(const Style& defaults) const;
    bool setsFont() const { return font_.has_value(); }
    void applyTo(QObject* control) const;

private:
    std::optional<QFont> font_;
    QColor background_;
    QColor foreground_;
    std::optional<Qt::Alignment> alignment_;
    bool keepColours_ = false;
    bool wordWrap_ = false;
    bool disabled_ = false;
    bool hidden_ = false;
    bool readOnly_ = false;
    bool checked_ = false;
    bool flat_ = false;
    bool noScrollBar_ = false;
};

}  // namespace look
