#pragma once

#include <files/InputFile.h>
#include <textfile/ByteSource.h>

#include <string>

namespace textfile {

// Reads the bytes of a plain file on disk (or of the plain file a symbolic link names), by
// its UTF-8 path. Anything else (folder, pipe, device, socket) is refused before it is read,
// so that a read never waits for a writer nor runs without end.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    std::size_t read(char* buffer, std::size_t capacity) override;
    bool failed() const override { return error_ != 0; }
    // The system's reason for the last failure (open or read), empty when none.
    std::string errorText() const override;
    int errorNumber() const override { return error_; }

private:
    files::InputFile file_;
    int error_ = 0;
};

}  // namespace textfile
