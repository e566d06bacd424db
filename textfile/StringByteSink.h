#pragma once

#include <textfile/ByteSink.h>

#include <string>

namespace textfile {

// Collects written bytes in memory.
class StringByteSink : public ByteSink {
public:
    bool write(const char* data, std::size_t size) override
    {
        bytes.append(data, size);
        return true;
    }

    std::string bytes;
};

}  // namespace textfile
