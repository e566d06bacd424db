#pragma once

#include <textfile/ByteSource.h>
#include <textfile/LineSource.h>

#include <memory>
#include <string>
#include <vector>

namespace textfile {

// Cuts a byte stream into lines. A line ends at CR LF, at a lone CR or at a lone LF;
// the terminator is not part of the line, a last line without one is still a line,
// and every other byte is kept as it is.
class LineReader : public LineSource {
public:
    explicit LineReader(ByteSource& source, std::size_t bufferSize = 1 << 16);
    // Reads a file on disk; check isOpen() / errorText() before use.
    explicit LineReader(const std::string& path, std::size_t bufferSize = 1 << 16);
    ~LineReader() override;

    bool isOpen() const;
    bool next(std::string& line) override;
    bool failed() const { return source_->failed(); }
    std::string errorText() const { return source_->errorText(); }
    int errorNumber() const { return source_->errorNumber(); }

private:
    bool fill();

    std::unique_ptr<ByteSource> owned_;
    ByteSource* source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;  // the previous line ended with CR: a LF right after belongs to it
};

}  // namespace textfile
