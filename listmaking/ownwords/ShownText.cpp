#include <listmaking/ownwords/ShownText.h>

#include <lexicon/Utf8.h>

#include <cstdio>

namespace listmaking {

bool ShownText::isControl(char32_t c)
{
    return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F);
}

std::string ShownText::codePointName(char32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

std::string ShownText::codePoint(char32_t c)
{
    return "<" + codePointName(c) + ">";
}

void ShownText::append(std::string& shown, char32_t c)
{
    if (c >= 0xDC80 && c <= 0xDCFF)  // a byte that decodes as nothing
        c = 0xFFFD;
    if (isControl(c))
        shown += codePoint(c);
    else
        lexicon::Utf8::append(shown, c);
}

std::string ShownText::of(std::string_view text)
{
    std::string shown;
    for (const char32_t c : lexicon::Utf8::decode(text))
        append(shown, c);
    return shown;
}

}  // namespace listmaking
