#pragma once

#include <textfile/ByteSink.h>

#include <QFileDevice>

namespace workshop {

// Hands a LineWriter's bytes straight to the descriptor of an open file, so that a failure
// keeps the system's own error number (a full disk says so) rather than a translated text.
class DescriptorByteSink : public textfile::ByteSink {
public:
    explicit DescriptorByteSink(QFileDevice& file) : file_(file) {}

    bool write(const char* data, std::size_t size) override;
    std::string errorText() const override;
    int errorNumber() const override { return error_; }

    // Writes every byte to `fd`, again after an interruption; 0, or the error number (ENOSPC
    // for a write that stores nothing without saying why).
    static int writeAll(int fd, const char* data, std::size_t size);

private:
    QFileDevice& file_;
    int error_ = 0;
};

}  // namespace workshop
