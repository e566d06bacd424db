#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>
#include <workshop/ops/ReferenceOpener.h>

namespace workshop {

// "supp anag": drops each source line L (length n) whose last c characters, with
// c = [(n - 2) / 2], are the first or the last c characters of some reference line of
// length n - 1. The reference is read once, at the first source line, and indexed by line
// length; an empty source never opens it. An empty source line matches nothing and is kept.
void removeAnagrams(textfile::LineSource& source, textfile::LineSink& sink,
                    const ReferenceOpener& openReference);

}  // namespace workshop
