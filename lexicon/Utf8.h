#pragma once

#include <string>
#include <string_view>

namespace lexicon {

// UTF-8, the spelling of the dictionaries and of a player's own list.
class Utf8 {
public:
    // Decodes the character at `pos` and moves past it; -1 for a malformed sequence (a stray
    // continuation byte, an overlong lead, a cut sequence, a value past U+10FFFF).
    static long next(std::string_view text, std::size_t& pos);
    // True when the whole text decodes.
    static bool isValid(std::string_view text);
    // Appends one character.
    static void append(std::string& utf8, char32_t character);

    // The characters of a text; a byte that starts no valid sequence becomes U+DC00 plus the
    // byte, which encode() writes back as that byte, so that any text round-trips.
    static std::u32string decode(std::string_view text);
    static std::string encode(std::u32string_view characters);
};

}  // namespace lexicon
