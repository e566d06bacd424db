#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

namespace workshop {

// "supprime doublons": drops every line equal to the line before it (the first line is
// compared with the empty text) and returns how many were dropped.
int removeRepeatedLines(textfile::LineSource& source, textfile::LineSink& sink);

// "idem tirages diff": drops every line whose tail from its first ";" (";" included) equals
// the tail of the line before it. A line without ";" is a bare word: its tail is ";" and the
// whole line, as if its draw part were empty.
void removeSameSolutions(textfile::LineSource& source, textfile::LineSink& sink);

}  // namespace workshop
