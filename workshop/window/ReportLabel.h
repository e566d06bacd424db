#pragma once

#include <QLabel>

namespace workshop {

// The workshop's report line. A text that fits on one line keeps the label's own place;
// a longer one (a failure naming its path) is laid out in a band of lines and wraps at word
// boundaries, or inside a word as long as a path when it must, never widening the window.
// When even the band cannot hold it all, the paths between « and » are shortened in the
// middle, the longest first, so that the reason after them stays in sight; the label's text
// (and the tooltip the window gives it) keeps them whole.
class ReportLabel : public QLabel {
    Q_OBJECT

public:
    explicit ReportLabel(QWidget* parent);

    // Whether the text is laid out over several lines.
    bool wraps() const { return wraps_; }
    void setWraps(bool wraps);
    // The text as it is drawn.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool fits(const QString& text) const;
    // The text with path `index` (0 for the first « … ») kept to `kept` characters.
    QString withPathKept(const QString& text, int index, int kept) const;

    bool wraps_ = false;
};

}  // namespace workshop
