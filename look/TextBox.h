#pragma once

#include <QLineEdit>

namespace look {

// A single-line text box that shows the start of whatever the program writes into it, however
// long; what the player types keeps the cursor where the typing leaves it. No length limit: a
// list may hold draws and solutions of any length.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(const QString& text = QString(), QWidget* parent = nullptr);

    // Writes `text` and shows its start, also when the box already holds that very text (Qt
    // then moves the cursor to the end without any change signal).
    void write(const QString& text);
    // Writes `text` and widens the box to the right as far as it needs to show it whole, never
    // narrower than it was made: a count of six digits in a box drawn for four.
    void writeWhole(const QString& text);

private:
    void showStart();

    bool typed = false;  // the change under way is the player's
    int madeWidth = -1;  // the width before the first writeWhole()
};

}  // namespace look
