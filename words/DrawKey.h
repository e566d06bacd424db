#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace words {

// The draw of a word: its characters in ascending order of byte value, repeats kept
// (ABAQUE gives AABEQU, A?B gives ?AB, bA gives Ab). Any length.
std::string drawKey(std::string_view word);

// The bytes past the draw that writeDrawKey may store into: its fast path writes whole blocks.
constexpr std::size_t drawKeySlack = 16;

// Writes drawKey(word), word.size() bytes, at `key`, which has room for drawKeySlack more: for
// a caller that puts the draw in a buffer of its own, line after line, without an allocation.
void writeDrawKey(char* key, std::string_view word);

}  // namespace words
