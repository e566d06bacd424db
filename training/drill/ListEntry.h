#pragma once

#include <string>

namespace drill {

// One line of a list file, split at its first ";". Both texts are Windows-1252 bytes.
struct ListEntry {
    std::string draw;       // letters shown in a draw box
    std::string solutions;  // exact text the player must type (further ";" included)

    // Splits at the first ";"; a line without ";" becomes a draw with empty solutions.
    static ListEntry fromLine(const std::string& line);
};

}  // namespace drill
