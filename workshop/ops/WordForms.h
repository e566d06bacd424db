#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>
#include <workshop/ops/ReferenceOpener.h>

#include <string>
#include <string_view>

namespace workshop {

// "verbes ER->E" on one line: a line ending in ER or IR loses its last character
// (MANGER gives MANGE); every other line is returned unchanged.
std::string shortenVerb(std::string_view line);
void shortenVerbs(textfile::LineSource& source, textfile::LineSink& sink);

// "inv col gauche/droite" on one line: the right half, ";", the left half; the middle
// character is dropped (AEGMNR;MANGER gives MANGER;AEGMNR, AB;XYZ gives XY;AB).
std::string swapColumns(std::string_view line);
void swapAllColumns(textfile::LineSource& source, textfile::LineSink& sink);

// "supp pluriels": drops each source line whose second field is a word in S whose singular
// is the second field of a reference line (ACHST;CHATS;ACHST;CHATS against ACHT;CHAT).
// The reference is opened once, at the first source line; lines of fewer than 5 characters
// are copied unchanged.
void removePlurals(textfile::LineSource& source, textfile::LineSink& sink,
                   const ReferenceOpener& openReference);

}  // namespace workshop
