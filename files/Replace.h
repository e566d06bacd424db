#pragma once

#include <string>

namespace files {

// Gives the file `from` the name `to` (UTF-8 paths, on one volume), replacing a file already
// there in one step: `to` names either the old file or the new one, never a part of either.
// 0 on success, otherwise errno's number, and then neither name has changed.
int replaceFile(const std::string& from, const std::string& to);

}  // namespace files
