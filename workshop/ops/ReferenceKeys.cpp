#include <workshop/ops/ReferenceKeys.h>

#include <workshop/ops/LineParts.h>

#include <algorithm>

namespace workshop {

ReferenceKeys::ReferenceKeys(textfile::LineSource& reference)
{
    std::string line;
    while (reference.next(line))
        lines_.push_back(line);
    std::stable_sort(lines_.begin(), lines_.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
}

bool ReferenceKeys::holds(long position, long length, std::string_view key)
{
    const Parts& parts = partsAt(position, length);
    return std::binary_search(parts.begin(), parts.end(), key);
}

const ReferenceKeys::Parts& ReferenceKeys::partsAt(long position, long length)
{
    const auto where = std::make_pair(position, length);
    auto found = parts_.find(where);
    if (found != parts_.end())
        return found->second;
    Parts& parts = parts_[where];
    // Lines are longest first: once one ends before the position, every part left is empty,
    // so building a table never costs more than reading the reference once.
    for (const std::string& line : lines_) {
        const std::string_view part = partFrom(line, position, length);
        parts.push_back(part);
        if (line.size() < static_cast<std::size_t>(std::max(position, 1L)))
            break;
    }
    std::sort(parts.begin(), parts.end());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    return parts;
}

}  // namespace workshop
