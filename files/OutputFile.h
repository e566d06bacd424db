#pragma once

#include <files/OpenHandle.h>

#include <cstddef>
#include <string>

namespace files {

// A file on disk created or emptied, then written in binary: the bytes land as they are
// given, CR LF included. Errors are errno's numbers, whatever the system.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates or empties `path` (UTF-8); 0 on success, otherwise the reason's number.
    int open(const std::string& path);
    bool isOpen() const;
    // Writes every byte; 0 on success, otherwise the reason's number.
    int write(const char* data, std::size_t size);
    // Closes; 0 when the system took every byte, otherwise the reason's number; 0 for a file
    // already closed (OpenHandle).
    int close();

private:
    OpenHandle file_;
};

}  // namespace files
