#pragma once

#include <textfile/ByteSource.h>
#include <textfile/LineSource.h>

#include <status/Status.h>

#include <memory>
#include <string>
#include <vector>

namespace textfile {

// The longest line a reader hands out, its terminator left out: 1 MiB, thousands of times the
// longest list entry. A longer line is refused before it is held whole, so that a file of one
// endless line costs neither the memory nor the time of reading it to its end.
constexpr std::size_t longestLine = std::size_t{1} << 20;

// An error number of our own, beside errno's: a line longer than the reader takes.
constexpr int lineTooLong = -2;

// Cuts a byte stream into lines. A line ends at CR LF, at a lone CR or at a lone LF;
// the terminator is not part of the line, a last line without one is still a line,
// and every other byte is kept as it is. A line longer than the limit ends the reading:
// next() returns false and failed() tells it apart from the end; status() says why in French
// (textfile::fromReader names the file).
class LineReader : public LineSource {
public:
    explicit LineReader(ByteSource& source, std::size_t bufferSize = 1 << 16,
                        std::size_t limit = longestLine);
    // Reads a file on disk; check isOpen() / status() before use.
    explicit LineReader(const std::string& path, std::size_t bufferSize = 1 << 16,
                        std::size_t limit = longestLine);
    ~LineReader() override;

    bool isOpen() const;
    bool next(std::string& line) override;
    bool failed() const { return error_ != 0 || source_->failed(); }
    // Success, or the reason of the failure in French without the file's name, e.g.
    // "ligne trop longue (plus de 1 048 576 octets)".
    status::Status status() const;
    // errno's number, notAPlainFile or lineTooLong; 0 when none.
    int errorNumber() const { return error_ ? error_ : source_->errorNumber(); }
    // How many lines were handed out; a failure stands on the line after them.
    std::size_t linesRead() const { return linesRead_; }

private:
    bool fill();
    bool refuseLongLine(std::string& line);

    std::unique_ptr<ByteSource> owned_;
    ByteSource* source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;  // the previous line ended with CR: a LF right after belongs to it
    std::size_t limit_;
    std::size_t linesRead_ = 0;
    int error_ = 0;
};

}  // namespace textfile
