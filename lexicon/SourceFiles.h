#pragma once

#include <string>

namespace lexicon {

// Where the word sources lie on disk.
struct SourcePaths {
    std::string modernDic = "/usr/share/hunspell/fr.dic";
    std::string modernAff = "/usr/share/hunspell/fr.aff";
    std::string reformedDic;  // empty or missing: the reformed spellings are left out
    std::string olderList = "/usr/share/dict/french";
    // Older dictionaries unpacked at set-up (myspell-fr, aspell-fr); missing ones are skipped
    // and named, empty ones skipped without a word (an installed program has none).
    std::string myspellDic;
    std::string aspellList;  // aspell-fr's word lists, ungzipped one after the other
    std::string stopList;    // the words the game refuses that the dictionary's marks let through
    std::string workDir;
    // A lexicon made on another machine and installed with the program, read-only: used when
    // it was made from this machine's modern dictionary (SourceFingerprint). Empty: none.
    std::string shippedLexicon;

    // The affix file beside a .dic.
    static std::string affOf(const std::string& dicPath);
    // Fills the unpacked sources left empty with their place under the work folder.
    void fillFromWorkDir();
};

class SourceFiles {
public:
    // True when something (a file, a folder, a link to one) has that path.
    static bool exists(const std::string& path);
};

}  // namespace lexicon
