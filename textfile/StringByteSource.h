#pragma once

#include <textfile/ByteSource.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace textfile {

// Bytes held in memory.
class StringByteSource : public ByteSource {
public:
    explicit StringByteSource(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t read(char* buffer, std::size_t capacity) override
    {
        const std::size_t n = std::min(capacity, bytes_.size() - pos_);
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

}  // namespace textfile
