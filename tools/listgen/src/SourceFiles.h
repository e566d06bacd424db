#pragma once

#include "LexiconBuilder.h"

#include <string>

namespace listgen {

// Where the word sources lie on disk.
struct SourcePaths {
    std::string modernDic = "/usr/share/hunspell/fr.dic";
    std::string modernAff = "/usr/share/hunspell/fr.aff";
    std::string reformedDic;  // empty or missing: the reformed spellings are left out
    std::string olderList = "/usr/share/dict/french";
    std::string unmunch = "unmunch";
    std::string workDir;
};

// Reads the word sources into memory.
class SourceFiles {
public:
    // False, with `error`, when a source that every list needs cannot be read.
    static bool load(const SourcePaths& paths, DictionarySources& sources, std::string& error);
    static bool exists(const std::string& path);
};

}  // namespace listgen
