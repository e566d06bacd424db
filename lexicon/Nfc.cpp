#include <lexicon/Nfc.h>

namespace lexicon {

namespace {

struct Composition {
    char base;  // a capital; its small letter composes 0x20 higher, as in Latin-1
    char32_t mark;
    char32_t capital;
};

constexpr Composition compositions[] = {
    {'A', 0x300, 0xC0}, {'E', 0x300, 0xC8}, {'I', 0x300, 0xCC}, {'O', 0x300, 0xD2},
    {'U', 0x300, 0xD9}, {'A', 0x301, 0xC1}, {'E', 0x301, 0xC9}, {'I', 0x301, 0xCD},
    {'O', 0x301, 0xD3}, {'U', 0x301, 0xDA}, {'Y', 0x301, 0xDD}, {'A', 0x302, 0xC2},
    {'E', 0x302, 0xCA}, {'I', 0x302, 0xCE}, {'O', 0x302, 0xD4}, {'U', 0x302, 0xDB},
    {'A', 0x303, 0xC3}, {'N', 0x303, 0xD1}, {'O', 0x303, 0xD5}, {'A', 0x308, 0xC4},
    {'E', 0x308, 0xCB}, {'I', 0x308, 0xCF}, {'O', 0x308, 0xD6}, {'U', 0x308, 0xDC},
    {'A', 0x30A, 0xC5}, {'C', 0x327, 0xC7},
};

// The letter that `letter` and `mark` make together; 0 when they make none.
char32_t compose(char32_t letter, char32_t mark)
{
    if (mark == 0x308 && letter == U'Y')
        return 0x178;
    if (mark == 0x308 && letter == U'y')
        return 0xFF;
    const bool small = letter >= U'a' && letter <= U'z';
    const char32_t capital = small ? letter - 0x20 : letter;
    for (const auto& c : compositions) {
        if (static_cast<char32_t>(c.base) == capital && c.mark == mark)
            return small ? c.capital + 0x20 : c.capital;
    }
    return 0;
}

std::u32string_view ligature(char32_t c)
{
    switch (c) {
    case 0xFB00:
        return U"ff";
    case 0xFB01:
        return U"fi";
    case 0xFB02:
        return U"fl";
    case 0xFB03:
        return U"ffi";
    case 0xFB04:
        return U"ffl";
    default:
        return {};
    }
}

}  // namespace

std::u32string Nfc::composed(std::u32string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (const char32_t c : text) {
        const char32_t joined = result.empty() ? 0 : compose(result.back(), c);
        if (joined != 0)
            result.back() = joined;
        else if (const auto letters = ligature(c); !letters.empty())
            result += letters;
        else
            result += c;
    }
    return result;
}

}  // namespace lexicon
