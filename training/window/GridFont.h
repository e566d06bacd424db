#pragma once

#include <training/drill/Series.h>

#include <QFont>

#include <array>

namespace look {
class TextBox;
}

namespace training {

// The font of the grid of draws and answers, known here only: the designed face it is made
// with, the size the drilled list's grid takes, and the faces "Changer de police" gives in
// turn. A change keeps what else the boxes' fonts say (a struck-through answer stays so).
class GridFont {
public:
    using Boxes = std::array<look::TextBox*, drill::kSlots>;

    // The font a box of the grid is made with.
    static QFont designed();

    // The number (1 to 7) of the face the next change gives.
    int next() const { return next_; }
    // The size of the drilled list's grid, on every box.
    void setPoints(const Boxes& draws, const Boxes& answers, qreal points) const;
    // The next face: on the draws, and on the answers for the faces that take them too.
    void change(const Boxes& draws, const Boxes& answers);

private:
    int next_ = 1;
};

}  // namespace training
