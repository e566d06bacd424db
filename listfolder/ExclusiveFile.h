#pragma once

#include <files/NewFile.h>
#include <textfile/ByteSink.h>

#include <string>

namespace listfolder {

// A new file, made by this run: creation fails when anything (a file, a link, a leftover)
// already has the name, so that nothing is ever written through an existing name or link.
// Its bytes reach the disk before close() says they are written (files::NewFile).
class ExclusiveFile : public textfile::ByteSink {
public:
    // `mode`: permission bits, less the umask (files::NewFile).
    explicit ExclusiveFile(const std::string& path, unsigned mode = 0666);
    ~ExclusiveFile() override;
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    bool isOpen() const { return file_.isOpen(); }
    bool write(const char* data, std::size_t size) override;
    // Gives the file these permission bits (those of the file it will replace).
    bool setMode(unsigned mode);
    // Syncs and closes; false when anything written could not be stored.
    bool close();
    // The path and the system's reason of the first failure, in French.
    std::string errorText() const override { return error_; }
    int errorNumber() const override { return errorNumber_; }

private:
    void fail(int number);

    std::string path_;
    files::NewFile file_;
    std::string error_;
    int errorNumber_ = 0;
};

}  // namespace listfolder
