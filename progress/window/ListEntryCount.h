#pragma once

#include <cstdint>
#include <string>

namespace progress {

// The entries of a list file, counted without reading them: its lines that hold more than
// blanks, as the drill's loader takes them.
class ListEntryCount {
public:
    // The entries of the file at `path` (UTF-8); -1 when it cannot be read.
    static std::int64_t of(const std::string& path);
};

}  // namespace progress
