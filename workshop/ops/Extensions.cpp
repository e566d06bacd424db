#include <workshop/ops/Extensions.h>

#include <words/Extensions.h>
#include <workshop/ops/LineParts.h>

namespace workshop {

namespace {

// h = (m - 2) / 2 for a line of m characters: [h] is the base-word length of a pair line
// and [h + 2] the position just after its ";".
double halfLength(std::size_t lineLength)
{
    return (static_cast<double>(lineLength) - 2.0) / 2.0;
}

std::string reduced(std::string_view base, std::string_view letter)
{
    std::string out;
    out.reserve(base.size() + 1 + letter.size());
    out.append(base).append(1, ';').append(letter);
    return out;
}

template <typename PerLine>
void eachLine(textfile::LineSource& source, textfile::LineSink& sink, PerLine perLine)
{
    std::string line;
    while (source.next(line))
        sink.write(perLine(line));
}

// The longer word of a pair line, read from position [h + 2] on.
std::string_view longerWord(std::string_view line)
{
    return partFrom(line, nearestWhole(halfLength(line.size()) + 2),
                    static_cast<long>(line.size()));
}

// The shortest line that "rall assemblage" reads as a pair line.
constexpr std::size_t shortestAssembledLine = 4;

}  // namespace

std::string backExtension(std::string_view line)
{
    if (line.empty())  // [h] would be -1, a length below 0
        return std::string(line);
    if (line.size() == 1)  // [h + 2] lies past its end: its one character is the letter
        return reduced({}, line);
    const std::string_view base = leftPart(line, nearestWhole(halfLength(line.size())));
    const auto letter = words::backLetter(base, longerWord(line));
    return letter ? reduced(base, *letter) : std::string(line);
}

std::string frontExtension(std::string_view line)
{
    if (line.empty())
        return std::string(line);
    const std::string_view base = leftPart(line, nearestWhole(halfLength(line.size())));
    const auto letter = words::frontLetter(base, longerWord(line));
    return letter ? reduced(base, *letter) : std::string(line);
}

void backExtensions(textfile::LineSource& source, textfile::LineSink& sink)
{
    eachLine(source, sink, backExtension);
}

void frontExtensions(textfile::LineSource& source, textfile::LineSink& sink)
{
    eachLine(source, sink, frontExtension);
}

void assembleExtensions(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string first;
    std::string next;
    bool more = source.next(first);
    while (more) {
        if (first.size() < shortestAssembledLine) {
            sink.write(first);
            more = source.next(first);
            continue;
        }
        const double h = halfLength(first.size());
        const long p = nearestWhole(h);
        const long letterAt = nearestWhole(h + 2);
        // Rows join on the base word and the character after it, so ABLES;TABLES never
        // joins ABLE;TABLE and no ";" lands among the letters.
        const std::string_view key = leftPart(first, p + 1);
        std::string letters(partFrom(first, letterAt, 1));
        bool grouped = false;
        while ((more = source.next(next)) && next.size() >= shortestAssembledLine
               && leftPart(next, p + 1) == key) {
            letters.append(partFrom(next, letterAt, 1));
            grouped = true;
        }
        if (grouped) {
            std::string out("?");
            out.append(leftPart(first, p)).append(1, ';').append(letters);
            sink.write(out);
        } else {
            sink.write(first);
        }
        first.swap(next);
    }
}

}  // namespace workshop
