#pragma once

#include <string>

namespace textfile {

// Where lines come from: a file, or a list of strings in tests.
class LineSource {
public:
    virtual ~LineSource() = default;
    // Puts the next line (without its terminator) into `line`; false at the end.
    virtual bool next(std::string& line) = 0;
};

}  // namespace textfile
