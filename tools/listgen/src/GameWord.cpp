#include <tools/listgen/src/GameWord.h>

namespace listgen {

namespace {

// Decodes one UTF-8 character at `pos` and moves past it; -1 for a malformed sequence.
long nextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    long value = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size())
            return -1;
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80)
            return -1;
        value = (value << 6) | (next & 0x3F);
    }
    return value;
}

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
        const long c = nextCodePoint(utf8, pos);
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
    const long c = nextCodePoint(utf8, pos);
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x152
        || c == 0x178;
}

}  // namespace listgen
