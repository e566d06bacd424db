#pragma once

#include <files/OpenHandle.h>

#include <cstddef>
#include <string>

namespace files {

// A plain file on disk opened once for reading, in binary. A folder (EISDIR) and anything
// that is not a plain file (notAPlainFile: pipe, device, socket) are refused without being
// read. Errors are errno's numbers, whatever the system.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens `path` (UTF-8); 0 on success, otherwise the reason's number.
    int open(const std::string& path);
    bool isOpen() const;
    // Reads up to `capacity` bytes; 0 at the end or on a failure, whose number goes to `error`.
    std::size_t read(char* buffer, std::size_t capacity, int& error);
    // Closes; a file already closed is left as it is (OpenHandle).
    void close();

private:
    OpenHandle file_;
};

}  // namespace files
