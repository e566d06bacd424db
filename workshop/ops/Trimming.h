#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>
#include <workshop/ops/ReferenceOpener.h>

#include <string>
#include <string_view>

namespace workshop {

// "pelrin" on one line: keeps the first n - c characters of a line of n, with
// c = [(n - 4) / 2]; lines of up to five characters are kept whole (ABCD;EFGH gives ABCD;EF).
std::string trimLine(std::string_view line);
void trimLines(textfile::LineSource& source, textfile::LineSink& sink);

// "pel inv": a line whose left half (its first c characters, c = [(n - 1) / 2]) stands as a
// whole line of the reference becomes right half, ";", left half (AEIRST;ARETES gives
// ARETES;AEIRST); other lines are copied. The reference is opened once, at the first source line.
void swapListedHalves(textfile::LineSource& source, textfile::LineSink& sink,
                      const ReferenceOpener& openReference);

}  // namespace workshop
