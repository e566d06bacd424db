#pragma once

#include <string>

namespace files {

// Makes `to` a new file (files::NewFile) with the bytes and permission bits of the file `from`,
// synced (UTF-8 paths). 0, otherwise errno's number, and then no `to` of its making is left.
int copyFile(const std::string& from, const std::string& to);

}  // namespace files
