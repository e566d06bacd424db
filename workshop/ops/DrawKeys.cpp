#include "DrawKeys.h"

#include "LineParts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <cstddef>

namespace workshop {

namespace {

constexpr std::size_t kShortWord = 16;

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

// Writes the draw of a word of at most kShortWord characters, all from "@" to DEL (capital
// and small letters are), at `key`, which must have room for kShortWord more bytes than the
// word; false, with nothing written, for a word with other characters. A count and a bit per
// value present, then for each present value in increasing order a fixed store of
// kShortWord copies advanced by its count: almost no branches, which matters on random words.
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
        std::memset(key, static_cast<int>(value + base), kShortWord);
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

// Replaces `out` by drawKey(word), ";" and `line`. Equal characters are interchangeable, so
// every sort by byte value gives the same key.
void assignDrawLine(std::string& out, std::string_view word, std::string_view line)
{
    const std::size_t size = word.size() + 1 + line.size();
    out.resize(size + kShortWord);  // room for the short key's last store
    char* key = &out[0];
    if (word.size() > kShortWord || !writeLetterDrawKey(key, word))
        writeLongDrawKey(key, word);
    key[word.size()] = ';';
    if (!line.empty())
        std::memcpy(key + word.size() + 1, line.data(), line.size());
    out.resize(size);
}

// The word of a line is the text before its first ";", or the whole line.
void assignWithDraw(std::string& out, std::string_view line)
{
    if (!line.empty() && line.back() == '*')
        line.remove_suffix(1);
    const auto semi = line.find(';');
    assignDrawLine(out, semi == std::string_view::npos ? line : line.substr(0, semi), line);
}

}  // namespace

std::string drawKey(std::string_view word)
{
    std::string key;
    assignDrawLine(key, word, {});
    key.pop_back();  // the ";"
    return key;
}

std::string withDraw(std::string_view line)
{
    std::string result;
    assignWithDraw(result, line);
    return result;
}

void addDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    std::string out;  // reused: no allocation per line
    while (source.next(line)) {
        assignWithDraw(out, line);
        sink.write(out);
    }
}

void removeDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(solutionsPart(line));
}

}  // namespace workshop
