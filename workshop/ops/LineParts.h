#pragma once

#include <string>
#include <string_view>

namespace workshop {

// Positions count from 1, as the list operations describe them.

// [x]: the whole number nearest to x, a value exactly halfway going to the even neighbour.
long nearestWhole(double x);

// The `length` characters from position `position` on, cut short at the end of the line;
// empty when the position is past the end or the length is 0 or less. A position below 1
// counts from the start of the line.
std::string_view partFrom(std::string_view line, long position, long length);

// The first `length` characters (the whole line when length is at least its length).
std::string_view leftPart(std::string_view line, long length);

// The last `length` characters (the whole line when length is at least its length).
std::string_view rightPart(std::string_view line, long length);

// Draw part and solutions part: the text before and after the first ";". A line
// without ";" has no draw part and is its own solutions part.
std::string_view drawPart(std::string_view line);
std::string_view solutionsPart(std::string_view line);

}  // namespace workshop
