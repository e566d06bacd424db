#pragma once

#include <files/FileKind.h>

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
    // The system's error number of the last failure (errno), or notAPlainFile; 0 when none.
    virtual int errorNumber() const { return 0; }
};

// An error number of our own, beside errno's: the path names a pipe, a device or a socket,
// which are never opened, since opening or reading them may block or never end.
constexpr int notAPlainFile = files::notAPlainFile;

}  // namespace textfile
