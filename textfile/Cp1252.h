#pragma once

#include <string>
#include <string_view>

namespace textfile {

// Windows-1252, the 8-bit code page of every list file, and Unicode for display.
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the control characters of the same number, so every byte round-trips.
class Cp1252 {
public:
    static char16_t toUnicode(unsigned char byte);
    // The byte for a character, or -1 when the code page has none.
    static int fromUnicode(char16_t character);

    static std::u16string decode(std::string_view bytes);
    // Characters outside the code page become `replacement`.
    static std::string encode(std::u16string_view text, char replacement = '?');
};

}  // namespace textfile
