#pragma once

#include <status/Result.h>
#include <status/Status.h>
#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

#include <string>
#include <vector>

namespace workshop {

// "Diviser en N": deals the lines out to the parts in turn, line 1 to the first part,
// line 2 to the second, line N + 1 to the first again. Refused, nothing read, when `parts` is
// empty.
status::Status splitLines(textfile::LineSource& source,
                          const std::vector<textfile::LineSink*>& parts);

// The suffixes of the derived names of N parts: "_a.txt", "_b.txt", ... (N from 1 to 26).
status::Result<std::vector<std::string>> splitSuffixes(int parts);

}  // namespace workshop
