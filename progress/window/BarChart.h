#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace progress {

// A bar chart drawn with QPainter: one bar a day (or any step), its series drawn over each
// other (the first behind: answers, then those found), a line on a scale of its own (the time
// drilled), the largest value of each scale written beside it, a label under some bars and
// a legend above. What it shows is also its accessible description, for a screen reader.
class BarChart : public QWidget {
    Q_OBJECT

public:
    struct Series {
        QString name;  // in the legend
        QColor colour;
        std::vector<double> values;  // one a bar
    };
    // A value as the scale writes it.
    using ValueText = std::function<QString(double)>;

    explicit BarChart(QWidget* parent = nullptr);

    // The bars' series, each with a value for every bar; `labels` under the bars (an empty one
    // leaves its bar unlabelled).
    void setBars(std::vector<Series> series, std::vector<QString> labels, ValueText text);
    // A line over the bars on its own scale (right); none when its values are empty.
    void setLine(Series line, ValueText text);

    const std::vector<Series>& series() const { return bars_; }
    const Series& line() const { return line_; }
    const std::vector<QString>& labels() const { return labels_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    void paintLegend(class QPainter& painter) const;
    void paintBars(QPainter& painter, const QRect& plot, double top) const;
    void paintLine(QPainter& painter, const QRect& plot, double top) const;
    void paintScale(QPainter& painter, const QRect& plot, double top, bool right) const;
    void paintLabels(QPainter& painter, const QRect& plot) const;
    std::size_t barCount() const;

    std::vector<Series> bars_;
    std::vector<QString> labels_;
    Series line_;
    ValueText barText_, lineText_;
};

}  // namespace progress
