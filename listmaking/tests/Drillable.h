#pragma once

#include <textfile/VectorLineSource.h>
#include <training/drill/ListLoader.h>

#include <set>
#include <string>
#include <vector>

// Why the lines of a list cannot be drilled by vorlane, or nothing: it must load, every draw
// must be non-empty and at least as long as its solutions (an answer box takes no more
// characters than its draw), no two entries may share a draw, and every line is an entry
// (the trainer loads a list of any length).
inline std::string drillProblem(const std::vector<std::string>& lines, const std::string& name)
{
    textfile::VectorLineSource source(lines);
    const auto loaded = drill::ListLoader::read(source, name);
    if (!loaded.ok())
        return loaded.why();
    if (loaded->entries.size() != lines.size())
        return name + ": " + std::to_string(loaded->entries.size()) + " entries of "
            + std::to_string(lines.size()) + " lines";
    std::set<std::string> draws;
    for (const auto& entry : loaded->entries) {
        if (entry.draw.empty())
            return name + ": empty draw before " + entry.solutions;
        if (entry.draw.size() < entry.solutions.size())
            return name + ": draw " + entry.draw + " shorter than " + entry.solutions;
        if (entry.solutions.empty())
            return name + ": no solution for " + entry.draw;
        if (!draws.insert(entry.draw).second)
            return name + ": draw " + entry.draw + " twice";
        if (entry.solutions.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ ") != std::string::npos)
            return name + ": solutions " + entry.solutions + " hold a character outside A-Z";
    }
    return {};
}
