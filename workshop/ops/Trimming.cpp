#include <workshop/ops/Trimming.h>

#include <workshop/ops/LineParts.h>

#include <optional>
#include <unordered_set>

namespace workshop {

std::string trimLine(std::string_view line)
{
    const long n = static_cast<long>(line.size());
    const long cut = nearestWhole((static_cast<double>(n) - 4.0) / 2.0);
    return std::string(cut > 0 ? leftPart(line, n - cut) : line);
}

void trimLines(textfile::LineSource& source, textfile::LineSink& sink)
{
    std::string line;
    while (source.next(line))
        sink.write(trimLine(line));
}

void swapListedHalves(textfile::LineSource& source, textfile::LineSink& sink,
                      const ReferenceOpener& openReference)
{
    std::optional<std::unordered_set<std::string>> listed;
    std::string line;
    std::string left;
    std::string swapped;
    while (source.next(line)) {
        if (!listed) {
            const auto reference = openReference();
            listed.emplace();
            std::string entry;
            while (reference->next(entry))
                listed->insert(entry);
        }
        const long half = nearestWhole((static_cast<double>(line.size()) - 1.0) / 2.0);
        left.assign(leftPart(line, half));
        if (listed->count(left) == 0) {
            sink.write(line);
            continue;
        }
        swapped.assign(rightPart(line, half)).append(1, ';').append(left);
        sink.write(swapped);
    }
}

}  // namespace workshop
