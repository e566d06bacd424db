#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>

#include <string>
#include <string_view>

namespace workshop {

// Extension lists, built from pair lines "WORD;LONGER" where LONGER has one letter more.

// "rall arr" on one line, its base word and longer word read by the line's length, the letter
// by words::backLetter: CHAT;CHATS gives CHAT;S; a line whose longer word does not begin with
// its base word is returned unchanged. An empty line is returned unchanged.
std::string backExtension(std::string_view line);

// "rall av" on one line, read the same way, the letter by words::frontLetter: ABLE;TABLE gives
// ABLE;T; a line whose longer word does not end with its base word is returned unchanged. An
// empty line is returned unchanged.
std::string frontExtension(std::string_view line);

// "rall arr" and "rall av" over a whole list: one output line per source line.
void backExtensions(textfile::LineSource& source, textfile::LineSink& sink);
void frontExtensions(textfile::LineSource& source, textfile::LineSink& sink);

// "rall assemblage": a run of neighbouring lines that share the first line's base word and
// its separator (its first p + 1 characters) becomes "?" + base + ";" + the letter after the
// separator of each line of the run, in order. Any other line, and every line of fewer than
// 4 characters, is copied unchanged. Streams: only the current run's first line is held.
void assembleExtensions(textfile::LineSource& source, textfile::LineSink& sink);

}  // namespace workshop
