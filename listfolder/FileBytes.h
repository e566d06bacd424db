#pragma once

#include <status/Result.h>

#include <cstddef>
#include <string>

namespace listfolder {

// Reads a whole plain file into memory, refusing one larger than a limit instead of running
// out of memory.
class FileBytes {
public:
    // Its bytes; a failure in French (the path and the reason) when the file cannot be read or
    // is larger than `limit` bytes.
    static status::Result<std::string> read(const std::string& path, std::size_t limit);
    // The first `count` bytes of a file at most (all of a shorter one); empty when it cannot
    // be read.
    static std::string start(const std::string& path, std::size_t count);
};

}  // namespace listfolder
