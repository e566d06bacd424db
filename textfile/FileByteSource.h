#pragma once

#include <textfile/ByteSource.h>

#include <cstdio>
#include <string>

namespace textfile {

// Reads the bytes of a plain file on disk (or of the plain file a symbolic link names).
// Anything else (folder, pipe, device, socket) is refused before it is opened, so that a
// read never waits for a writer nor runs without end.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return error_ != 0; }
    // The system's reason for the last failure (open or read), empty when none.
    std::string errorText() const override;
    int errorNumber() const override { return error_; }

private:
    void open(const std::string& path);

    std::FILE* file_ = nullptr;
    int error_ = 0;
};

}  // namespace textfile
