#include <listmaking/lists/SolutionLines.h>

#include <words/DrawKey.h>

#include <map>

namespace listmaking {

std::vector<std::string> SolutionLines::ofWords(const std::set<std::string>& words)
{
    std::map<std::string, std::vector<std::string>> byDraw;
    for (const auto& word : words)
        byDraw[words::drawKey(word)].push_back(word);
    std::vector<std::string> lines;
    lines.reserve(byDraw.size());
    for (const auto& [draw, group] : byDraw)
        lines.push_back(line(draw, group));
    return lines;
}

std::string SolutionLines::line(const std::string& draw, const std::vector<std::string>& words)
{
    std::string solutions;
    for (const auto& word : words) {
        if (!solutions.empty())
            solutions += ' ';
        solutions += word;
    }
    return padded(draw, solutions.size()) + ";" + solutions;
}

std::vector<std::string> SolutionLines::thinned(std::vector<std::string> lines, std::size_t limit)
{
    if (lines.size() <= limit)
        return lines;
    std::vector<std::string> kept;
    kept.reserve(limit);
    for (std::size_t k = 0; k < limit; ++k)
        kept.push_back(std::move(lines[k * lines.size() / limit]));
    return kept;
}

}  // namespace listmaking
