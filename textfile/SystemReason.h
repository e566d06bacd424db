#pragma once

#include <string>

namespace textfile {

// The system's reason for a failed file access, in French (UTF-8), from its error number
// (errno, or notAPlainFile). Never empty: an unknown number is given as such.
std::string systemReason(int errorNumber);

}  // namespace textfile
