#pragma once

#include <textfile/ByteSink.h>

#include <cstdio>
#include <string>

namespace textfile {

// Writes bytes to a file on disk, creating or emptying it.
class FileByteSink : public ByteSink {
public:
    explicit FileByteSink(const std::string& path);
    ~FileByteSink() override;
    FileByteSink(const FileByteSink&) = delete;
    FileByteSink& operator=(const FileByteSink&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    bool write(const char* data, std::size_t size) override;
    // Flushes and closes; false when anything written could not be stored.
    bool close();
    std::string errorText() const override { return error_; }
    int errorNumber() const override { return errorNumber_; }

private:
    void fail(int number);

    std::FILE* file_ = nullptr;
    std::string error_;
    int errorNumber_ = 0;
};

}  // namespace textfile
