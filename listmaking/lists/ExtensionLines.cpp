#include <listmaking/lists/ExtensionLines.h>

#include <listmaking/lists/SolutionLines.h>

namespace listmaking {

namespace {

const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::vector<std::string> ExtensionLines::front(const std::set<std::string>& bases,
                                               const std::unordered_set<std::string>& dictionary)
{
    return linesOf(bases, dictionary, SolutionLines::Side::front);
}

std::vector<std::string> ExtensionLines::back(const std::set<std::string>& bases,
                                              const std::unordered_set<std::string>& dictionary)
{
    return linesOf(bases, dictionary, SolutionLines::Side::back);
}

// One line a base that takes a letter on `side`: "+ABLE;CFST", "CHAT+;ES".
std::vector<std::string> ExtensionLines::linesOf(const std::set<std::string>& bases,
                                                 const std::unordered_set<std::string>& dictionary,
                                                 SolutionLines::Side side)
{
    const bool inFront = side == SolutionLines::Side::front;
    std::vector<std::string> lines;
    for (const auto& base : bases) {
        std::string letters;
        for (const char letter : alphabet) {
            if (dictionary.count(inFront ? letter + base : base + letter))
                letters += letter;
        }
        if (!letters.empty()) {
            const std::string draw = inFront ? "+" + base : base + "+";
            lines.push_back(SolutionLines::padded(draw, letters.size(), side) + ";" + letters);
        }
    }
    return lines;
}

}  // namespace listmaking
