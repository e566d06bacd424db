#include <textfile/Cp1252.h>

namespace textfile {

namespace {

// 0x80 to 0x9F; the rest of the code page equals Latin-1.
// clang-format off
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

}  // namespace

char16_t Cp1252::toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHigh[byte - 0x80];
    return byte;
}

int Cp1252::fromUnicode(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == character)
            return 0x80 + i;
    return -1;
}

std::u16string Cp1252::decode(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.push_back(toUnicode(static_cast<unsigned char>(byte)));
    return text;
}

std::string Cp1252::encode(std::u16string_view text, char replacement)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t character : text) {
        const int byte = fromUnicode(character);
        bytes.push_back(byte < 0 ? replacement : static_cast<char>(byte));
    }
    return bytes;
}

}  // namespace textfile
