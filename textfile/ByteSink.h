#pragma once

#include <cstddef>
#include <string>

namespace textfile {

// Receives the bytes that a LineWriter has buffered.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Returns false when the bytes could not be stored (disk full, closed file...).
    virtual bool write(const char* data, std::size_t size) = 0;
    virtual std::string errorText() const { return {}; }
    // The system's error number of the first failure (errno); 0 when none or unknown.
    virtual int errorNumber() const { return 0; }
};

}  // namespace textfile
