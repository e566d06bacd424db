#include <words/DrawKey.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace words {

namespace {

// The rank of the lowest bit set in a non-zero mask.
unsigned lowestBit(std::uint64_t mask)
{
#if defined(__GNUC__) || defined(__clang__)
    return static_cast<unsigned>(__builtin_ctzll(mask));
#else
    unsigned bit = 0;
    for (; (mask & 1) == 0; mask >>= 1)
        ++bit;
    return bit;
#endif
}

// Writes the draw of a word of at most drawKeySlack characters, all from "@" to DEL (capital
// and small letters are), at `key`, which must have room for drawKeySlack more bytes than the
// word; false, with nothing written, for a word with other characters. A count and a bit per
// value present, then for each present value in increasing order a fixed store of
// drawKeySlack copies advanced by its count: almost no branches, which matters on random words.
bool writeLetterDrawKey(char* key, std::string_view word)
{
    constexpr unsigned base = 64;
    std::array<unsigned char, 64> counts{};
    std::uint64_t present = 0;
    unsigned outside = 0;
    for (const char c : word) {
        const unsigned value = static_cast<unsigned char>(c) - base;
        outside |= value;
        ++counts[value & 63];
        present |= std::uint64_t{1} << (value & 63);
    }
    if (outside >= 64)
        return false;
    for (; present != 0; present &= present - 1) {
        const unsigned value = lowestBit(present);
        std::memset(key, static_cast<int>(value + base), drawKeySlack);
        key += counts[value];
    }
    return true;
}

// The same for any length: a count per byte value keeps the work linear.
void writeLongDrawKey(char* key, std::string_view word)
{
    std::array<std::size_t, 256> counts{};
    for (const char c : word)
        ++counts[static_cast<unsigned char>(c)];
    for (std::size_t code = 0; code < counts.size(); ++code) {
        std::memset(key, static_cast<int>(code), counts[code]);
        key += counts[code];
    }
}

}  // namespace

// Equal characters are interchangeable, so every sort by byte value gives the same key.
void writeDrawKey(char* key, std::string_view word)
{
    if (word.size() > drawKeySlack || !writeLetterDrawKey(key, word))
        writeLongDrawKey(key, word);
}

std::string drawKey(std::string_view word)
{
    std::string key(word.size() + drawKeySlack, '\0');
    writeDrawKey(&key[0], word);
    key.resize(word.size());
    return key;
}

}  // namespace words
