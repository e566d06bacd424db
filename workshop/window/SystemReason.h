#pragma once

#include <QString>

namespace workshop {

// The system's reason for a failed file access, in French, from its error number (errno, or
// textfile::notAPlainFile). Never empty: an unknown number is given as such.
QString systemReason(int errorNumber);

}  // namespace workshop
