#pragma once

#include <QPushButton>

namespace look {

// A command button whose caption wraps onto further lines when the button is too narrow
// for it, as the captions of the training window and the workshop's narrow, tall buttons
// are designed to. text() stays the caption exactly as given.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    // Where the caption may run: inside the style's margins, or over the whole face but a
    // thin border, for buttons too small for the style's margins.
    enum class Room { styleMargins, thinBorder };

    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr,
                           Room room = Room::styleMargins);

    // A face of one flat colour, the button's background colour, as graphical buttons show it
    // whatever the style; the frame, focus and pressed looks stay the style's.
    void setFlatFace(bool flat);

    // Where the caption is drawn, and how it is laid out there.
    QRect captionArea() const;
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Room room_;
    bool flatFace_ = false;
};

}  // namespace look
