#include "DrawKeys.h"

#include "LineParts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cstddef>

namespace workshop {

namespace {

constexpr std::size_t kShortWord = 16;

// The draw of a word of at most kShortWord characters: a count per byte value, then for each
// value in the range the word holds (26 for capital letters) a fixed store of 16 copies,
// advanced by its count. Almost branch-free, which matters on random words.
void appendShortDrawKey(std::string& out, std::string_view word)
{
    std::array<unsigned char, 256> counts{};
    unsigned char low = 255;
    unsigned char high = 0;
    for (const char c : word) {
        const auto code = static_cast<unsigned char>(c);
        ++counts[code];
        low = std::min(low, code);
        high = std::max(high, code);
    }
    char key[2 * kShortWord];
    char* end = key;
    for (unsigned code = low; code <= high; ++code) {
        std::memset(end, static_cast<int>(code), kShortWord);
        end += counts[code];
    }
    out.append(key, word.size());
}

// Appends the draw of `word` to `out`. Equal characters are interchangeable, so every sort
// by byte value gives the same key.
void appendDrawKey(std::string& out, std::string_view word)
{
    if (word.empty())
        return;
    if (word.size() <= kShortWord) {
        appendShortDrawKey(out, word);
        return;
    }
    std::array<std::size_t, 256> counts{};
    for (const char c : word)
        ++counts[static_cast<unsigned char>(c)];
    for (std::size_t code = 0; code < counts.size(); ++code)
        out.append(counts[code], static_cast<char>(code));
}

std::string_view withoutFinalStar(std::string_view line)
{
    if (!line.empty() && line.back() == '*')
        line.remove_suffix(1);
    return line;
}

void appendWithDraw(std::string& out, std::string_view line)
{
    line = withoutFinalStar(line);
    const auto semi = line.find(';');
    appendDrawKey(out, semi == std::string_view::npos ? line : line.substr(0, semi));
    out += ';';
    out += line;
}

}  // namespace

std::string drawKey(std::string_view word)
{
    std::string key;
    appendDrawKey(key, word);
    return key;
}

std::string withDraw(std::string_view line)
{
    std::string result;
    appendWithDraw(result, line);
    return result;
}

void addDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    std::string out;  // reused: no allocation per line
    while (source.next(line)) {
        out.clear();
        appendWithDraw(out, line);
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
