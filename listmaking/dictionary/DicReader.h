#pragma once

#include <listmaking/dictionary/DicEntry.h>

#include <textfile/LineSource.h>

#include <string>
#include <vector>

namespace listmaking {

// Reads the word sources: Hunspell .dic files and plain word lists (one word a line).
class DicReader {
public:
    // The entries of a .dic file; its first line, the entry count, is not an entry.
    static std::vector<DicEntry> entries(textfile::LineSource& lines);
    // The words of a plain list, blank lines left out.
    static std::vector<std::string> words(textfile::LineSource& lines);
};

}  // namespace listmaking
