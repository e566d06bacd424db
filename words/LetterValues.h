#pragma once

#include <string_view>

namespace words {

// A capital letter's French Scrabble face value less one (B 2, K 9, Q 7...); 0 for every
// other character, lower case and accented letters included.
int letterValue(char c);

// The sum of letterValue over the text (ABAQUE 9, ZEBRE 11, KIWI 18).
int wordValue(std::string_view text);

}  // namespace words
