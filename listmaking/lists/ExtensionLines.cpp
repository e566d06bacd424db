#include <listmaking/lists/ExtensionLines.h>

#include <listmaking/lists/SolutionLines.h>

#include <textfile/VectorLineSink.h>
#include <textfile/VectorLineSource.h>
#include <workshop/ops/Extensions.h>

namespace listmaking {

namespace {

const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string solutionsOf(const std::string& line)
{
    return line.substr(line.find(';') + 1);
}

}  // namespace

std::vector<std::string> ExtensionLines::front(const std::set<std::string>& bases,
                                               const std::unordered_set<std::string>& dictionary)
{
    // Pair lines in base order, then letter order: a base's pairs are neighbours.
    std::vector<std::string> pairs;
    for (const auto& base : bases) {
        for (const char letter : alphabet) {
            const std::string longer = letter + base;
            if (dictionary.count(longer))
                pairs.push_back(base + ";" + longer);
        }
    }
    textfile::VectorLineSource source(std::move(pairs));
    textfile::VectorLineSink assembled;
    workshop::assembleExtensions(source, assembled);
    std::vector<std::string> lines;
    lines.reserve(assembled.lines.size());
    for (const auto& line : assembled.lines)
        lines.push_back(frontLine(line));
    return lines;
}

// "?ABLE;CFST" (several letters) or the pair line "ZOO;AZOO" (one) into "+ABLE;CFST", "+ZOO;A".
std::string ExtensionLines::frontLine(const std::string& assembled)
{
    const std::string reduced =
        assembled.front() == '?' ? assembled.substr(1) : workshop::frontExtension(assembled);
    const auto separator = reduced.find(';');
    const std::string letters = reduced.substr(separator + 1);
    const std::string draw = "+" + reduced.substr(0, separator);
    return SolutionLines::padded(draw, letters.size(), SolutionLines::Side::front) + ";" + letters;
}

std::vector<std::string> ExtensionLines::back(const std::set<std::string>& bases,
                                              const std::unordered_set<std::string>& dictionary)
{
    std::vector<std::string> lines;
    for (const auto& base : bases) {
        std::string letters;
        for (const char letter : alphabet) {
            const std::string longer = base + letter;
            if (dictionary.count(longer))
                letters += solutionsOf(workshop::backExtension(base + ";" + longer));
        }
        if (!letters.empty()) {
            const std::string draw =
                SolutionLines::padded(base + "+", letters.size(), SolutionLines::Side::back);
            lines.push_back(draw + ";" + letters);
        }
    }
    return lines;
}

}  // namespace listmaking
