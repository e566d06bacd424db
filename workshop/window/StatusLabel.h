#pragma once

#include <QLabel>

namespace workshop {

// The workshop's status label. A text that fits on one line keeps the label's own place;
// a longer one (a failure naming its path) is laid out in a band of lines and wraps at word
// boundaries, or inside a word as long as a path when it must, never widening the window.
class StatusLabel : public QLabel {
    Q_OBJECT

public:
    explicit StatusLabel(QWidget* parent);

    // Whether the text is laid out over several lines.
    bool wraps() const { return wraps_; }
    void setWraps(bool wraps);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool wraps_ = false;
};

}  // namespace workshop
