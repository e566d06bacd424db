#include <progress/window/BarChart.h>

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace progress {

namespace {

const int kMargin = 4;

double largest(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// The top of a scale: the largest value rounded up to 2, 4, 6, 8 or 10 times a power of ten,
// so that its half, written too, is a whole count.
double scaleTop(double largestValue)
{
    if (largestValue <= 0)
        return 2;
    const double power = std::pow(10.0, std::floor(std::log10(largestValue)));
    for (const double step : {2.0, 4.0, 6.0, 8.0, 10.0})
        if (largestValue <= step * power)
            return step * power;
    return 10 * power;
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void BarChart::setBars(std::vector<Series> series, std::vector<QString> labels, ValueText text)
{
    bars_ = std::move(series);
    labels_ = std::move(labels);
    barText_ = std::move(text);
    QStringList said;
    for (const Series& one : bars_) {
        double sum = 0;
        for (const double value : one.values)
            sum += value;
        said << QStringLiteral("%1 : %2").arg(one.name, barText_ ? barText_(sum) : QString());
    }
    setAccessibleDescription(said.join(QStringLiteral(" ; ")));
    update();
}

void BarChart::setLine(Series line, ValueText text)
{
    line_ = std::move(line);
    lineText_ = std::move(text);
    update();
}

std::size_t BarChart::barCount() const
{
    std::size_t count = labels_.size();
    for (const Series& one : bars_)
        count = std::max(count, one.values.size());
    return count;
}

// Room for the legend above, the scales' texts on both sides and the labels below.
QRect BarChart::plotArea() const
{
    const QFontMetrics metrics(font());
    // As wide as the scale's texts: those of its top are the longest.
    auto side = [&](const std::vector<double>& values, const ValueText& text) {
        return text ? metrics.horizontalAdvance(text(scaleTop(largest(values)))) + 2 * kMargin
                    : kMargin;
    };
    std::vector<double> all;
    for (const Series& one : bars_)
        all.insert(all.end(), one.values.begin(), one.values.end());
    const int left = side(all, barText_);
    const int right = line_.values.empty() ? kMargin : side(line_.values, lineText_);
    const int top = metrics.height() + 2 * kMargin;
    const int bottom = metrics.height() + kMargin;
    return QRect(left, top, width() - left - right, height() - top - bottom);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect plot = plotArea();
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    double barsLargest = 0;
    for (const Series& one : bars_)
        barsLargest = std::max(barsLargest, largest(one.values));
    const double barsTop = scaleTop(barsLargest);
    painter.setPen(QColor(220, 220, 220));
    for (int k = 1; k <= 2; ++k)  // lines at half and at the top of the scale
        painter.drawLine(plot.left(), plot.bottom() - plot.height() * k / 2, plot.right(),
                         plot.bottom() - plot.height() * k / 2);
    paintBars(painter, plot, barsTop);
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    paintScale(painter, plot, barsTop, false);
    if (!line_.values.empty()) {
        const double lineTop = scaleTop(largest(line_.values));
        paintLine(painter, plot, lineTop);
        paintScale(painter, plot, lineTop, true);
    }
    paintLabels(painter, plot);
    paintLegend(painter);
}

void BarChart::paintBars(QPainter& painter, const QRect& plot, double top) const
{
    const std::size_t count = barCount();
    if (count == 0)
        return;
    const double step = double(plot.width()) / double(count);
    const int gap = step >= 6 ? 1 : 0;
    for (const Series& one : bars_) {
        for (std::size_t k = 0; k < one.values.size(); ++k) {
            const int height = int(std::lround(plot.height() * one.values[k] / top));
            if (height <= 0)
                continue;
            const int left = plot.left() + int(std::lround(step * double(k)));
            const int right = plot.left() + int(std::lround(step * double(k + 1))) - gap;
            painter.fillRect(
                QRect(left, plot.bottom() - height + 1, std::max(right - left, 1), height),
                one.colour);
        }
    }
}

void BarChart::paintLine(QPainter& painter, const QRect& plot, double top) const
{
    const double step = double(plot.width()) / double(std::max<std::size_t>(barCount(), 1));
    QPainterPath path;
    for (std::size_t k = 0; k < line_.values.size(); ++k) {
        const QPointF point(plot.left() + step * (double(k) + 0.5),
                            plot.bottom() - plot.height() * line_.values[k] / top);
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(line_.colour, 2));
    painter.drawPath(path);
    painter.restore();
}

void BarChart::paintScale(QPainter& painter, const QRect& plot, double top, bool right) const
{
    const ValueText& text = right ? lineText_ : barText_;
    if (!text)
        return;
    const QFontMetrics metrics(font());
    painter.setPen(right ? line_.colour.darker(150) : QColor(Qt::black));
    const Qt::Alignment align = (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    const int x = right ? plot.right() + kMargin : 0;
    const int w = right ? width() - x : plot.left() - kMargin;
    for (const double value : {top, top / 2, 0.0}) {
        const int y = plot.bottom() - int(std::lround(plot.height() * value / top));
        painter.drawText(QRect(x, y - metrics.height() / 2, w, metrics.height()), align,
                         text(value));
    }
}

void BarChart::paintLabels(QPainter& painter, const QRect& plot) const
{
    const std::size_t count = barCount();
    if (count == 0)
        return;
    const double step = double(plot.width()) / double(count);
    const QFontMetrics metrics(font());
    painter.setPen(Qt::black);
    for (std::size_t k = 0; k < labels_.size(); ++k) {
        if (labels_[k].isEmpty())
            continue;
        const int centre = plot.left() + int(std::lround(step * (double(k) + 0.5)));
        const int w = metrics.horizontalAdvance(labels_[k]) + 2;
        const int left = std::clamp(centre - w / 2, 0, std::max(width() - w, 0));
        painter.drawText(QRect(left, plot.bottom() + 2, w, metrics.height()), Qt::AlignCenter,
                         labels_[k]);
    }
}

void BarChart::paintLegend(QPainter& painter) const
{
    const QFontMetrics metrics(font());
    int x = plotArea().left();
    const int box = metrics.ascent() - 2;
    std::vector<const Series*> shown;
    for (const Series& one : bars_)
        shown.push_back(&one);
    if (!line_.values.empty())
        shown.push_back(&line_);
    for (const Series* one : shown) {
        painter.fillRect(QRect(x, kMargin + 2, box, box), one->colour);
        x += box + kMargin;
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, kMargin + metrics.ascent()), one->name);
        x += metrics.horizontalAdvance(one->name) + 3 * kMargin;
    }
}

}  // namespace progress
