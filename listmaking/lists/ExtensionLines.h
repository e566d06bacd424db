#pragma once

#include <listmaking/lists/SolutionLines.h>

#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace listmaking {

// Extension lists: the draw is the base word with "+" where a letter goes ("+ABLE", "CHAT+"),
// the solutions the letters that fit there in alphabetical order ("CFST"): those that make a word
// of the dictionary with the base.
class ExtensionLines {
public:
    // The bases that take a letter in front and make a word of `dictionary`.
    static std::vector<std::string> front(const std::set<std::string>& bases,
                                          const std::unordered_set<std::string>& dictionary);
    // The bases that take a letter at the back.
    static std::vector<std::string> back(const std::set<std::string>& bases,
                                         const std::unordered_set<std::string>& dictionary);

private:
    static std::vector<std::string> linesOf(const std::set<std::string>& bases,
                                            const std::unordered_set<std::string>& dictionary,
                                            SolutionLines::Side side);
};

}  // namespace listmaking
