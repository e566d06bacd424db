#pragma once

#include <cstddef>
#include <string>

namespace textfile {

// A stream of raw bytes that a LineReader cuts into lines.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `capacity` bytes; 0 means the end (or a failure, see failed()).
    virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
    virtual bool failed() const { return false; }
    virtual std::string errorText() const { return {}; }
};

}  // namespace textfile
