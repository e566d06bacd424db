#include <launcher/MessageBand.h>

#include <QLabel>

#include <algorithm>

namespace launcher {

namespace {

constexpr QChar breakHere(0x200B);  // ZERO WIDTH SPACE: a break, nothing drawn
const QString ellipsis(QChar(0x2026));

bool fits(QLabel* label, const QString& text, int tallest)
{
    label->setText(text);
    return label->heightForWidth(label->width()) <= tallest;
}

// The longest beginning of `text` that fits with "…" after it.
QString cutToFit(QLabel* label, const QString& text, int tallest)
{
    qsizetype shortest = 0;
    qsizetype longest = text.size();
    while (shortest < longest) {
        const qsizetype middle = (shortest + longest + 1) / 2;
        if (fits(label, text.left(middle) + ellipsis, tallest))
            shortest = middle;
        else
            longest = middle - 1;
    }
    return text.left(shortest) + ellipsis;
}

}  // namespace

QString MessageBand::breakable(const QString& text)
{
    QString broken;
    broken.reserve(text.size() + text.size() / 8);
    for (const QChar character : text) {
        broken += character;
        if (character == QLatin1Char('\\') || character == QLatin1Char('/'))
            broken += breakHere;
    }
    return broken;
}

QString MessageBand::unbroken(const QString& shown)
{
    QString text = shown;
    return text.remove(breakHere);
}

void MessageBand::show(QLabel* label, const QString& text, int designHeight, int tallest)
{
    label->setToolTip(text);
    const QString broken = breakable(text);
    label->resize(label->width(), tallest);
    if (!fits(label, broken, tallest))
        label->setText(cutToFit(label, broken, tallest));
    label->resize(label->width(),
                  std::clamp(label->heightForWidth(label->width()), designHeight, tallest));
}

}  // namespace launcher
