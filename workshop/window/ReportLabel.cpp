#include <workshop/window/ReportLabel.h>

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <vector>

namespace workshop {

namespace {

// A path as the messages quote it: « /a/b/liste.txt ».
const QRegularExpression quotedPath(QStringLiteral("« ([^»]*) »"));

// Fewer characters than this and a path says nothing any more.
constexpr int shortestPath = 12;

QTextOption wrapping()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// "/home/ana/listes/mots.txt" kept to 12 characters: "/hom…mots.txt". The end, where the
// file's name is, keeps the larger part.
QString middleShortened(const QString& path, int kept)
{
    const int head = (kept - 1) / 3;
    return path.left(head) + QChar(0x2026) + path.right(kept - 1 - head);
}

}  // namespace

ReportLabel::ReportLabel(QWidget* parent) : QLabel(parent) {}

void ReportLabel::setWraps(bool wraps)
{
    wraps_ = wraps;
    update();
}

bool ReportLabel::fits(const QString& text) const
{
    QTextLayout layout(text, font());
    layout.setTextOption(wrapping());
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        ++lines;
    }
    layout.endLayout();
    return lines * fontMetrics().lineSpacing() <= height();
}

QString ReportLabel::withPathKept(const QString& text, int index, int kept) const
{
    QRegularExpressionMatchIterator found = quotedPath.globalMatch(text);
    for (int i = 0; found.hasNext(); ++i) {
        const QRegularExpressionMatch match = found.next();
        if (i == index)
            return QString(text).replace(match.capturedStart(1), match.capturedLength(1),
                                         middleShortened(match.captured(1), kept));
    }
    return text;
}

QString ReportLabel::shownText() const
{
    QString shown = text();
    if (!wraps_ || fits(shown))
        return shown;
    // The paths by length, longest first; each is shortened just enough, or to its least.
    std::vector<std::pair<int, int>> paths;  // length, index
    QRegularExpressionMatchIterator found = quotedPath.globalMatch(shown);
    for (int i = 0; found.hasNext(); ++i)
        paths.emplace_back(found.next().capturedLength(1), i);
    std::sort(paths.rbegin(), paths.rend());
    for (const auto& [length, index] : paths) {
        if (length <= shortestPath)
            break;
        int low = shortestPath;  // the most kept that is known to fit, or the least allowed
        int high = length - 1;
        while (low < high) {
            const int kept = (low + high + 1) / 2;
            if (fits(withPathKept(shown, index, kept)))
                low = kept;
            else
                high = kept - 1;
        }
        shown = withPathKept(shown, index, low);
        if (fits(shown))
            break;
    }
    return shown;
}

void ReportLabel::paintEvent(QPaintEvent* event)
{
    if (!wraps_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(rect()), shownText(), wrapping());
}

}  // namespace workshop
