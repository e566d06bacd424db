#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// The older free French word lists that Debian offers besides wfrench, read into UTF-8 words.
class OlderLists {
public:
    // Every form of a Hunspell dictionary (myspell-fr): unmunch expands it, Hunspell with the
    // same files keeps what it accepts. False, with `error`, when it cannot be read.
    static bool hunspellForms(const std::string& dicPath, const std::string& affPath,
                              const std::string& unmunch, const std::string& workDir,
                              std::vector<std::string>& words, std::string& error);
    // An aspell word list once ungzipped (aspell-fr's .cwl files, ISO 8859-1): each word is
    // written as one byte, the length it shares with the word before plus one, then the
    // rest of its letters.
    static std::vector<std::string> aspellWords(std::string_view bytes);
    static bool readAspellList(const std::string& path, std::vector<std::string>& words,
                               std::string& error);
};

}  // namespace listgen
