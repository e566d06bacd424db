#pragma once

#include <textfile/LineSource.h>

#include <string>
#include <utility>
#include <vector>

namespace textfile {

// Lines held in memory, handed out in order.
class VectorLineSource : public LineSource {
public:
    explicit VectorLineSource(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool next(std::string& line) override
    {
        if (index_ >= lines_.size())
            return false;
        line = lines_[index_++];
        return true;
    }

    std::size_t linesRead() const { return index_; }

private:
    std::vector<std::string> lines_;
    std::size_t index_ = 0;
};

}  // namespace textfile
