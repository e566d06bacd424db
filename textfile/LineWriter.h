#pragma once

#include <textfile/ByteSink.h>
#include <textfile/LineSink.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace textfile {

// Writes lines, each followed by CR LF, through a buffer.
class LineWriter : public LineSink {
public:
    explicit LineWriter(ByteSink& sink, std::size_t bufferSize = 1 << 16);
    // Creates or empties a file on disk; check isOpen() / errorText() before use.
    explicit LineWriter(const std::string& path, std::size_t bufferSize = 1 << 16);
    ~LineWriter() override;

    bool isOpen() const;
    void write(std::string_view line) override;
    // Hands the buffered bytes to the sink; false once anything could not be stored.
    bool flush();
    // Flushes and, for a file of its own, closes it.
    bool close();
    bool ok() const { return ok_; }
    std::string errorText() const { return sink_->errorText(); }
    int errorNumber() const { return sink_->errorNumber(); }

private:
    void put(const char* data, std::size_t size);

    std::unique_ptr<ByteSink> owned_;
    ByteSink* sink_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace textfile
