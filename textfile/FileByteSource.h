#pragma once

#include "ByteSource.h"

#include <cstdio>
#include <string>

namespace textfile {

// Reads the bytes of a file on disk.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return !error_.empty(); }
    // The system's reason for the last failure (open or read), empty when none.
    std::string errorText() const override { return error_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
};

}  // namespace textfile
