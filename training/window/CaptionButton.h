#pragma once

#include <QPushButton>

// A command button whose caption wraps onto a second line when the button is too
// narrow for it, as the captions of the training window are designed to.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is drawn, and how it is laid out there.
    QRect captionArea() const;
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
};
