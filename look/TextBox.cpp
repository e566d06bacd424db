#include <look/TextBox.h>

#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>
#include <utility>

namespace look {

// The player's own edits come with textEdited() just before textChanged(); every other
// change is the program's.
TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { typed = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!std::exchange(typed, false))
            showStart();
    });
    setCursorPosition(0);
}

void TextBox::write(const QString& text)
{
    if (text == this->text())
        showStart();
    else
        setText(text);
}

void TextBox::writeWhole(const QString& text)
{
    if (madeWidth < 0)
        madeWidth = width();
    const QMargins margins = textMargins() + contentsMargins();
    const int lineEditMargin = 2;  // QLineEdit's own, each side, plus one for the cursor
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const QSize content(fontMetrics().horizontalAdvance(text) + 2 * lineEditMargin + 1
                            + margins.left() + margins.right(),
                        height());
    const int needed =
        style()->sizeFromContents(QStyle::CT_LineEdit, &frame, content, this).width();
    resize(std::max(madeWidth, needed), height());
    write(text);
}

// A line edit decides how far its text is scrolled when it paints, from the scroll of its last
// paint: after a long text shown from its end, a shorter one is shown from its end too, cursor
// at its start or not. One paint with the cursor at the start, out of sight, settles the scroll
// before the box is painted on screen.
void TextBox::showStart()
{
    setCursorPosition(0);
    if (cursorRect().left() >= contentsRect().left())
        return;
    QPixmap scratch(1, 1);
    render(&scratch, QPoint(), QRegion(0, 0, 1, 1));
}

}  // namespace look
