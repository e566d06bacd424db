#include "ReferenceKeys.h"

#include "LineParts.h"

namespace workshop {

ReferenceKeys::ReferenceKeys(textfile::LineSource& reference)
{
    std::string line;
    while (reference.next(line))
        lines_.push_back(line);
}

bool ReferenceKeys::holds(long position, long length, std::string_view key)
{
    const Parts& parts = partsAt(position, length);
    return parts.find(key) != parts.end();
}

const ReferenceKeys::Parts& ReferenceKeys::partsAt(long position, long length)
{
    const auto where = std::make_pair(position, length);
    auto found = parts_.find(where);
    if (found != parts_.end())
        return found->second;
    Parts& parts = parts_[where];
    parts.reserve(lines_.size());
    for (const std::string& line : lines_)
        parts.insert(partFrom(line, position, length));
    return parts;
}

}  // namespace workshop
