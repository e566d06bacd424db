#pragma once

#include <files/OutputFile.h>
#include <textfile/ByteSink.h>

#include <string>

namespace textfile {

// Writes bytes to a file on disk, by its UTF-8 path, creating or emptying it.
class FileByteSink : public ByteSink {
public:
    explicit FileByteSink(const std::string& path);
    ~FileByteSink() override;
    FileByteSink(const FileByteSink&) = delete;
    FileByteSink& operator=(const FileByteSink&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    bool write(const char* data, std::size_t size) override;
    // Closes; false when anything written could not be stored.
    bool close();
    std::string errorText() const override { return error_; }
    int errorNumber() const override { return errorNumber_; }

private:
    void fail(int number);

    files::OutputFile file_;
    std::string error_;
    int errorNumber_ = 0;
};

}  // namespace textfile
