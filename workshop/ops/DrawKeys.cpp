#include <workshop/ops/DrawKeys.h>

#include <workshop/ops/LineParts.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

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

// Room that writeDrawLine needs for `word` and `line`.
std::size_t drawLineRoom(std::string_view word, std::string_view line)
{
    return word.size() + 1 + line.size() + kShortWord;
}

// Writes drawKey(word), ";" and `line` at `out`, which has drawLineRoom(word, line) bytes, and
// returns the length written. Equal characters are interchangeable, so every sort by byte
// value gives the same key.
std::size_t writeDrawLine(char* out, std::string_view word, std::string_view line)
{
    if (word.size() > kShortWord || !writeLetterDrawKey(out, word))
        writeLongDrawKey(out, word);
    out[word.size()] = ';';
    if (!line.empty())
        std::memcpy(out + word.size() + 1, line.data(), line.size());
    return word.size() + 1 + line.size();
}

// Takes one final "*" off `line` and returns its word: the text before its first ";", or
// the whole line.
std::string_view takeWord(std::string_view& line)
{
    if (!line.empty() && line.back() == '*')
        line.remove_suffix(1);
    const auto semi = line.find(';');
    return semi == std::string_view::npos ? line : line.substr(0, semi);
}

std::string drawLine(std::string_view word, std::string_view line)
{
    std::string out(drawLineRoom(word, line), '\0');
    out.resize(writeDrawLine(&out[0], word, line));
    return out;
}

}  // namespace

std::string drawKey(std::string_view word)
{
    std::string key = drawLine(word, {});
    key.pop_back();  // the ";"
    return key;
}

std::string withDraw(std::string_view line)
{
    const std::string_view word = takeWord(line);
    return drawLine(word, line);
}

void addDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    std::vector<char> out;  // reused: no allocation per line
    while (source.next(line)) {
        std::string_view rest = line;
        const std::string_view word = takeWord(rest);
        const std::size_t room = drawLineRoom(word, rest);
        if (out.size() < room)
            out.resize(room);
        sink.write(std::string_view(out.data(), writeDrawLine(out.data(), word, rest)));
    }
}

void removeDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(solutionsPart(line));
}

}  // namespace workshop
