#pragma once

#include <QPushButton>

// A command button whose caption wraps onto a second line when the button is too
// narrow for it, as the captions of the training window are designed to.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
