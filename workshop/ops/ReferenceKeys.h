#pragma once

#include <textfile/LineSource.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace workshop {

// A reference list read once and held in memory, answering "does some reference line have
// this text at this position?" by a binary search. The sorted table for a given position and
// length is built the first time it is asked for.
class ReferenceKeys {
public:
    explicit ReferenceKeys(textfile::LineSource& reference);
    ReferenceKeys(const ReferenceKeys&) = delete;
    ReferenceKeys& operator=(const ReferenceKeys&) = delete;

    bool empty() const { return lines_.empty(); }

    // Whether some reference line's part from `position` with `length` (positions from 1,
    // cut short at the end of the line) equals `key`.
    bool holds(long position, long length, std::string_view key);

private:
    using Parts = std::vector<std::string_view>;  // sorted, without repeats
    const Parts& partsAt(long position, long length);

    std::vector<std::string> lines_;                // longest first; never changes once read
    std::map<std::pair<long, long>, Parts> parts_;  // views into lines_
};

}  // namespace workshop
