#pragma once

#include <cstddef>
#include <string>

namespace textfile {

// The system's reason for a failed file access, in French (UTF-8), from its error number
// (errno, or notAPlainFile, files::usedByAnotherProgram, lineTooLong). Never empty: a number
// without its own reason comes after a French sentence that says the system refused.
std::string systemReason(int errorNumber);

// Why a line was refused: "ligne trop longue (plus de 1 048 576 octets)" for `limit` bytes.
std::string lineTooLongReason(std::size_t limit);

}  // namespace textfile
