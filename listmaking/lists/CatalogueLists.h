#pragma once

#include <lexicon/Lexicon.h>

#include <string>
#include <vector>

namespace listmaking {

// The list files of the training catalogue, each filled by the rule its row names.
class CatalogueLists {
public:
    // File names under data/, first box then second box, in launcher order.
    static std::vector<std::string> fileNames();
    // True when the file comes from the reformed dictionary.
    static bool needsReformed(const std::string& fileName);
    // The title the launcher shows for a file of the catalogue; the file name when none.
    static std::string titleOf(const std::string& fileName);
    // The lines of one file (empty for a name outside the catalogue).
    static std::vector<std::string> lines(const std::string& fileName,
                                          const lexicon::Lexicon& lexicon);

    // The words holding a letter of value 7 or more (J, K, Q, W, X, Y, Z).
    static std::set<std::string> withExpensiveLetter(const std::set<std::string>& words);
    // Draws of `words` that form two or more words of the whole dictionary, with all of them.
    static std::vector<std::string> multipleAnagrams(const std::set<std::string>& words,
                                                     const lexicon::Lexicon& lexicon);
    // Draws of `words` that form exactly one word of the whole dictionary.
    static std::vector<std::string> uniqueSolutions(const std::set<std::string>& words,
                                                    const lexicon::Lexicon& lexicon);
};

}  // namespace listmaking
