#pragma once

#include <textfile/LineSink.h>

#include <string>
#include <string_view>
#include <vector>

namespace textfile {

// Collects written lines in memory.
class VectorLineSink : public LineSink {
public:
    void write(std::string_view line) override { lines.emplace_back(line); }

    std::vector<std::string> lines;
};

}  // namespace textfile
