#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

#include <string>
#include <string_view>

namespace workshop {

// "Ajouter Tirages": words::drawKey(word) + ";" + line, after taking one final "*" off the line.
// The word is the text before the first ";", or the whole line when it holds none.
std::string withDraw(std::string_view line);
void addDraws(textfile::LineSource& source, textfile::LineSink& sink);

// "Supprimer Tirages": writes the solutions part of each line (everything after the first
// ";"); a line without ";" is a bare word and is written whole.
void removeDraws(textfile::LineSource& source, textfile::LineSink& sink);

}  // namespace workshop
