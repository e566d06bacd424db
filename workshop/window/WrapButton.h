#pragma once

#include <QPushButton>

// A push button whose caption runs over several lines when it is wider than the button,
// as the workshop's narrow, tall buttons need. text() stays the caption exactly as given.
class WrapButton : public QPushButton {
    Q_OBJECT

public:
    WrapButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
