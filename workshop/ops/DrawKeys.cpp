#include "DrawKeys.h"

#include "LineParts.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace workshop {

std::string drawKey(std::string_view word)
{
    std::string key(word);
    const auto byCode = [](char a, char b) {
        return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
    };
    if (key.size() <= 64) {
        std::sort(key.begin(), key.end(), byCode);
        return key;
    }
    // Long text: a count per byte value keeps the work linear. Equal characters are
    // interchangeable, so every sort gives the same key.
    std::array<std::size_t, 256> counts{};
    for (const char c : word)
        ++counts[static_cast<unsigned char>(c)];
    key.clear();
    for (std::size_t code = 0; code < counts.size(); ++code)
        key.append(counts[code], static_cast<char>(code));
    return key;
}

std::string withDraw(std::string_view line)
{
    if (!line.empty() && line.back() == '*')
        line.remove_suffix(1);
    const auto semi = line.find(';');
    const std::string_view word = semi == std::string_view::npos ? line : line.substr(0, semi);
    std::string result = drawKey(word);
    result.reserve(result.size() + 1 + line.size());
    result += ';';
    result += line;
    return result;
}

void addDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(withDraw(line));
}

void removeDraws(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(solutionsPart(line));
}

}  // namespace workshop
