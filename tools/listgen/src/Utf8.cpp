#include <tools/listgen/src/Utf8.h>

namespace listgen {

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

}  // namespace listgen
