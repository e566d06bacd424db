#include <lexicon/GameWord.h>

#include <lexicon/Utf8.h>

namespace lexicon {

namespace {

// The capitals that a letter reads as on the board; empty when it has none.
std::string_view plainLetters(long c)
{
    static const std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (c >= 'a' && c <= 'z')
        return alphabet.substr(static_cast<std::size_t>(c - 'a'), 1);
    if (c >= 'A' && c <= 'Z')
        return alphabet.substr(static_cast<std::size_t>(c - 'A'), 1);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        c -= 0x20;  // Latin-1 small letters sit 0x20 above their capitals
    switch (c) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3:
    case 0xC4:
    case 0xC5:
        return "A";
    case 0xC6:
        return "AE";
    case 0xC7:
        return "C";
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xCB:
        return "E";
    case 0xCC:
    case 0xCD:
    case 0xCE:
    case 0xCF:
        return "I";
    case 0xD1:
        return "N";
    case 0xD2:
    case 0xD3:
    case 0xD4:
    case 0xD5:
    case 0xD6:
        return "O";
    case 0xD9:
    case 0xDA:
    case 0xDB:
    case 0xDC:
        return "U";
    case 0xDD:
    case 0xFF:
    case 0x178:
        return "Y";
    case 0x152:
    case 0x153:
        return "OE";
    default:
        return {};
    }
}

}  // namespace

std::optional<std::string> GameWord::fold(std::string_view utf8)
{
    std::string word;
    word.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const long c = Utf8::next(utf8, pos);
        const std::string_view letters = plainLetters(c);
        if (letters.empty())
            return std::nullopt;
        word += letters;
    }
    if (word.empty())
        return std::nullopt;
    return word;
}

bool GameWord::startsWithCapital(std::string_view utf8)
{
    if (utf8.empty())
        return false;
    std::size_t pos = 0;
    const long c = Utf8::next(utf8, pos);
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x152
        || c == 0x178;
}

}  // namespace lexicon
