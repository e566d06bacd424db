#include <training/window/GridFont.h>

#include <look/Look.h>
#include <look/TextBox.h>

namespace {

struct FontChoice {
    const char* face;
    bool answersToo;
    bool italicOff;
};
// The faces of "Changer de police", by number 1 to 7.
constexpr FontChoice kFonts[8] = {
    {"", false, false},
    {"Georgia", false, false},
    {"Verdana", false, false},
    {"Times New Roman", false, false},
    {"Lucida Sans", false, true},
    {"Arial", false, true},
    {"Abadi MT Condensed Light", true, true},
    {"MS Sans Serif", true, true},
};

}  // namespace

namespace training {

QFont GridFont::designed()
{
    return look::face(QStringLiteral("Georgia"), 11);
}

void GridFont::setPoints(const Boxes& draws, const Boxes& answers, qreal points) const
{
    for (int i = 0; i < drill::kSlots; ++i) {
        look::setPoints(draws[i], points);
        look::setPoints(answers[i], points);
    }
}

void GridFont::change(const Boxes& draws, const Boxes& answers)
{
    const FontChoice& choice = kFonts[next_];
    for (int i = 0; i < drill::kSlots; ++i) {
        look::setFace(draws[i], QString::fromLatin1(choice.face));
        if (choice.italicOff) {
            QFont font = draws[i]->font();
            font.setItalic(false);
            draws[i]->setFont(font);
        }
        if (choice.answersToo)
            look::setFace(answers[i], QString::fromLatin1(choice.face));
    }
    next_ = next_ == 7 ? 1 : next_ + 1;
}

}  // namespace training
