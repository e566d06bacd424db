#include <workshop/ops/AnagramRemoval.h>

#include <workshop/ops/LineParts.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace workshop {

namespace {

// The key length c that a source line of `length` characters compares on.
long keyLength(std::size_t length)
{
    return nearestWhole((static_cast<double>(length) - 2.0) / 2.0);
}

// For each reference line length m, the first and last c characters of its lines, where c
// is the key length of the source lines of length m + 1, the only ones they can match.
class AnagramIndex {
public:
    explicit AnagramIndex(textfile::LineSource& reference)
    {
        std::string line;
        while (reference.next(line)) {
            const long c = keyLength(line.size() + 1);
            auto& keys = keysByLength_[line.size()];
            keys.emplace(leftPart(line, c));
            keys.emplace(rightPart(line, c));
        }
    }

    bool matches(const std::string& sourceLine) const
    {
        if (sourceLine.empty())
            return false;  // no reference line is one character shorter
        const auto found = keysByLength_.find(sourceLine.size() - 1);
        if (found == keysByLength_.end())
            return false;
        const std::string_view tail = rightPart(sourceLine, keyLength(sourceLine.size()));
        return found->second.count(std::string(tail)) != 0;
    }

private:
    std::unordered_map<std::size_t, std::unordered_set<std::string>> keysByLength_;
};

}  // namespace

void removeAnagrams(textfile::LineSource& source, textfile::LineSink& sink,
                    const ReferenceOpener& openReference)
{
    std::string line;
    if (!source.next(line))
        return;
    std::unique_ptr<AnagramIndex> index;
    {
        const std::unique_ptr<textfile::LineSource> reference = openReference();
        index = std::make_unique<AnagramIndex>(*reference);
    }
    do {
        if (!index->matches(line))
            sink.write(line);
    } while (source.next(line));
}

}  // namespace workshop
