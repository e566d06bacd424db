#pragma once

#include <string_view>

namespace textfile {

// Where lines go: a file, or a list of strings in tests.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void write(std::string_view line) = 0;
};

}  // namespace textfile
