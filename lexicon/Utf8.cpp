#include <lexicon/Utf8.h>

namespace lexicon {

long Utf8::next(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    long value = 0;
    if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size())
            return -1;
        const auto continuation = static_cast<unsigned char>(text[pos++]);
        if ((continuation & 0xC0) != 0x80)
            return -1;
        value = (value << 6) | (continuation & 0x3F);
    }
    // overlong forms, UTF-16 surrogates and values past U+10FFFF are no characters
    const long smallest = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (value < smallest || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return -1;
    return value;
}

bool Utf8::isValid(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (next(text, pos) < 0)
            return false;
    }
    return true;
}

void Utf8::append(std::string& utf8, char32_t c)
{
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string Utf8::decode(std::string_view text)
{
    std::u32string characters;
    characters.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const long c = next(text, pos);
        if (c >= 0) {
            characters += static_cast<char32_t>(c);
        } else {
            pos = start + 1;
            characters += static_cast<char32_t>(0xDC00 + static_cast<unsigned char>(text[start]));
        }
    }
    return characters;
}

std::string Utf8::encode(std::u32string_view characters)
{
    std::string text;
    text.reserve(characters.size() + characters.size() / 4);
    for (const char32_t c : characters) {
        if (c >= 0xDC80 && c <= 0xDCFF)
            text += static_cast<char>(c - 0xDC00);
        else
            append(text, c);
    }
    return text;
}

}  // namespace lexicon
