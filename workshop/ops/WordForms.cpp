#include <workshop/ops/WordForms.h>

#include <workshop/ops/LineParts.h>
#include <workshop/ops/ReferenceKeys.h>

#include <optional>

namespace workshop {

namespace {

// The shortest line whose positions "supp pluriels" can compute while a reference line exists.
constexpr std::size_t shortestPluralLine = 5;

// Whether "supp pluriels" keeps the line: its second field W (four fields of h characters)
// is kept unless W ends in S and W less that S is the second field of a reference line.
bool keepsLine(std::string_view line, ReferenceKeys& reference)
{
    if (line.size() < shortestPluralLine || reference.empty())
        return true;
    const double h = (static_cast<double>(line.size()) - 3.0) / 4.0;
    const std::string_view word = partFrom(line, nearestWhole(h + 2), nearestWhole(h));
    if (word.empty() || word.back() != 'S')
        return true;
    const long keyLength = nearestWhole(h - 1);
    return !reference.holds(nearestWhole(h + 1), keyLength, leftPart(word, keyLength));
}

}  // namespace

std::string shortenVerb(std::string_view line)
{
    const std::string_view ending = rightPart(line, 2);
    if (ending == "ER" || ending == "IR")
        line.remove_suffix(1);
    return std::string(line);
}

void shortenVerbs(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(shortenVerb(line));
}

std::string swapColumns(std::string_view line)
{
    const double h = (static_cast<double>(line.size()) - 1.0) / 2.0;
    const long half = nearestWhole(h);
    const std::string_view left = partFrom(line, 1, half);
    const std::string_view right = partFrom(line, nearestWhole(h + 2), half);
    std::string out;
    out.reserve(left.size() + 1 + right.size());
    out.append(right).append(1, ';').append(left);
    return out;
}

void swapAllColumns(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(swapColumns(line));
}

void removePlurals(textfile::LineSource& source, textfile::LineSink& sink,
                   const ReferenceOpener& openReference)
{
    std::optional<ReferenceKeys> reference;
    std::string line;
    while (source.next(line)) {
        if (!reference) {
            const auto opened = openReference();
            reference.emplace(*opened);
        }
        if (keepsLine(line, *reference))
            sink.write(line);
    }
}

}  // namespace workshop
