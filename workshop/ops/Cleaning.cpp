#include <workshop/ops/Cleaning.h>

#include <workshop/ops/LineParts.h>

#include <string>

namespace workshop {

int removeRepeatedLines(textfile::LineSource& source, textfile::LineSink& sink)
{
    int removed = 0;
    std::string previous;
    std::string line;
    while (source.next(line)) {
        if (line == previous)
            ++removed;
        else
            sink.write(line);
        previous.swap(line);
    }
    return removed;
}

void removeSameSolutions(textfile::LineSource& source, textfile::LineSink& sink)
{
    // Tails are compared without their leading ";", which every tail has. The first line
    // is compared with the empty text, which no tail equals.
    bool first = true;
    std::string previousTail;
    std::string line;
    while (source.next(line)) {
        const std::string_view tail = solutionsPart(line);
        if (first || tail != previousTail)
            sink.write(line);
        previousTail.assign(tail);
        first = false;
    }
}

}  // namespace workshop
