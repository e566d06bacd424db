#pragma once

#include <string>
#include <string_view>

namespace listmaking {

// A text as a terminal or a window may show it: a path or a message that names one, whatever
// characters a file name holds. Each control character (but the tab) is written as its code
// point, <U+001B>, as the text quoted from a player's file is: never a raw escape sequence to
// a terminal. A byte that starts no UTF-8 character is shown as U+FFFD.
class ShownText {
public:
    static std::string of(std::string_view text);
    // Appends one character of a decoded text as `of` shows it.
    static void append(std::string& shown, char32_t c);
    // A control character, tab excepted: C0, DEL and C1.
    static bool isControl(char32_t c);
    // "<U+001B>" for U+001B.
    static std::string codePoint(char32_t c);
    // "U+001B" for U+001B: the character as a message names it.
    static std::string codePointName(char32_t c);
};

}  // namespace listmaking
