#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

namespace workshop {

// "Transférer *": writes each line that ends in "*" without that last "*" and skips the
// others (ABAQUE* gives ABAQUE, AB** gives AB*, AB*C and the empty line give nothing).
void transferMarked(textfile::LineSource& source, textfile::LineSink& sink);

}  // namespace workshop
