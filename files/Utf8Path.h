#pragma once

#include <filesystem>
#include <string>

namespace files {

// Paths travel through the program as UTF-8 strings. These turn them into the system's paths
// and back without the local 8-bit code page, which on Windows cannot hold every name.
std::filesystem::path fromUtf8(const std::string& path);
std::string toUtf8(const std::filesystem::path& path);

}  // namespace files
