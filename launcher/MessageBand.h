#pragma once

#include <QString>

class QLabel;

namespace launcher {

// A label that says why something could not be done, in a band of the window: its text is
// shown whole where the band can hold it, the whole of it always in its tooltip.
class MessageBand {
public:
    // `label` shows `text` broken at its blanks and after each path separator, grown down
    // from `designHeight` up to `tallest` pixels as the lines need; beyond, its last line
    // ends with "…".
    static void show(QLabel* label, const QString& text, int designHeight, int tallest);

    // `text` with a break allowed after each "\" and "/" (a zero-width space): a long path
    // has no blank to be broken at.
    static QString breakable(const QString& text);
    // The text as it was given, without those breaks.
    static QString unbroken(const QString& shown);
};

}  // namespace launcher
