#pragma once

#include <string>

namespace files {

// The UTF-16 form of a UTF-8 path, for the wide-character Win32 calls; false when `path` is
// not valid UTF-8.
bool widePath(const std::string& path, std::wstring& wide);

}  // namespace files
