#pragma once

#include <string>

namespace testsupport {

// Files seen by their UTF-8 paths, through files/, so that an accented path names the same file
// on Windows. writeBytes creates or empties the file and says
// whether every byte reached it; readBytes gives "<missing>" when it cannot be read.
bool writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);
// Whether `path` names anything (a symbolic link itself, even one that leads nowhere).
bool exists(const std::string& path);

}  // namespace testsupport
