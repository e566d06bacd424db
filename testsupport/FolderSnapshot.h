#pragma once

#include <map>
#include <string>

namespace testsupport {

// Every entry of a folder, to compare before and after: a file with its bytes, a link with its
// target, anything else marked as such. Not recursive: a folder inside shows as "(other)".
class FolderSnapshot {
public:
    static std::map<std::string, std::string> of(const std::string& folder);
};

}  // namespace testsupport
