#pragma once

#include <tools/listgen/src/LexiconBuilder.h>

#include <string>
#include <vector>

namespace listgen {

// Where the word sources lie on disk.
struct SourcePaths {
    std::string modernDic = "/usr/share/hunspell/fr.dic";
    std::string modernAff = "/usr/share/hunspell/fr.aff";
    std::string reformedDic;  // empty or missing: the reformed spellings are left out
    std::string olderList = "/usr/share/dict/french";
    // Older dictionaries unpacked at set-up (myspell-fr, aspell-fr); missing ones are skipped.
    std::string myspellDic;
    std::string aspellList;  // aspell-fr's word lists, ungzipped one after the other
    std::string unmunch = "unmunch";
    std::string workDir;

    // The affix file beside a .dic.
    static std::string affOf(const std::string& dicPath);
    // Fills the unpacked sources left empty with their place under the work folder.
    void fillFromWorkDir();
};

// Reads the word sources into memory.
class SourceFiles {
public:
    // False, with `error`, when a source that every list needs cannot be read. An older
    // dictionary that is missing is only named in `missing`, with the reason.
    static bool load(const SourcePaths& paths, DictionarySources& sources, std::string& error,
                     std::vector<std::string>& missing);
    static bool exists(const std::string& path);
};

}  // namespace listgen
