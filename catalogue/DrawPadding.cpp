#include <catalogue/DrawPadding.h>

#include <algorithm>

namespace catalogue {

std::string DrawPadding::padded(std::string draw, std::size_t length, Side side)
{
    if (draw.size() >= length)
        return draw;
    const std::string plus(length - draw.size(), '+');
    return side == Side::back ? draw + plus : plus + draw;
}

std::string DrawPadding::tileLetters(std::string text)
{
    if (text.size() >= 10)
        text.erase(std::remove(text.begin(), text.end(), '+'), text.end());
    return text;
}

}  // namespace catalogue
