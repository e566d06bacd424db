#pragma once

#include <status/Status.h>
#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

#include <string>
#include <string_view>
#include <vector>

namespace workshop {

// The value of a list line: words::wordValue of its last k - 1 characters when its first ";" stands
// at position k (as many characters as its draw part). A line without ";" is a bare word
// and is valued on the whole line.
int lineValue(std::string_view line);

// "Trier par valeurs": eight outputs, for values 0 to 6 and 7 or more; another number of
// outputs is refused, in French, before a line is read.
status::Status sortByValue(textfile::LineSource& source,
                           const std::vector<textfile::LineSink*>& outputs);
const std::vector<std::string>& valueSuffixes();

// "tri val LC": nine outputs, for values 7 to 13, 14-15 and 16 or more; lines worth 6 or
// less are dropped; another number of outputs is refused.
status::Status sortExpensiveByValue(textfile::LineSource& source,
                                    const std::vector<textfile::LineSink*>& outputs);
const std::vector<std::string>& expensiveValueSuffixes();

}  // namespace workshop
