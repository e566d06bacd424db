#pragma once

#include <listmaking/RunControl.h>

#include <string>
#include <string_view>
#include <vector>

namespace lexicon {
struct SourcePaths;
}  // namespace lexicon

namespace listmaking {

// The older free French word lists that tell old words from new ones, read into UTF-8 words:
// wfrench, and the dictionaries unpacked at set-up (myspell-fr, aspell-fr).
class OlderLists {
public:
    // Every older word. False, with `error`, when wfrench (which every list needs) cannot be
    // read; an unpacked dictionary that is missing or unreadable is only named in `missing`.
    static bool readAll(const lexicon::SourcePaths& paths, std::vector<std::string>& words,
                        std::vector<std::string>& missing, std::string& error,
                        const RunControl& control = {});
    // Every form of a Hunspell dictionary (myspell-fr) that Hunspell with the same files
    // accepts. False, with `error`, when it cannot be read.
    static bool hunspellForms(const std::string& dicPath, const std::string& affPath,
                              std::vector<std::string>& words, std::string& error,
                              const RunControl& control = {});
    // An aspell word list once ungzipped (aspell-fr's .cwl files, ISO 8859-1): each word is
    // written as one byte, the length it shares with the word before plus one, then the
    // rest of its letters.
    static std::vector<std::string> aspellWords(std::string_view bytes);
    static bool readAspellList(const std::string& path, std::vector<std::string>& words,
                               std::string& error);
};

}  // namespace listmaking
