#include <workshop/ops/DrawKeys.h>

#include <words/DrawKey.h>
#include <workshop/ops/LineParts.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace workshop {

namespace {

// Room that writeDrawLine needs for `word` and `line`.
std::size_t drawLineRoom(std::string_view word, std::string_view line)
{
    return word.size() + 1 + line.size() + words::drawKeySlack;
}

// Writes words::drawKey(word), ";" and `line` at `out`, which has drawLineRoom(word, line) bytes,
// and returns the length written.
std::size_t writeDrawLine(char* out, std::string_view word, std::string_view line)
{
    words::writeDrawKey(out, word);
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
