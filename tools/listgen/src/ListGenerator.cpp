#include <tools/listgen/src/ListGenerator.h>

#include <tools/listgen/src/CatalogueLists.h>
#include <tools/listgen/src/SourceFiles.h>

#include <textfile/LineWriter.h>

#include <cstdio>

namespace listgen {

std::vector<std::string> ListGenerator::missingFiles() const
{
    std::vector<std::string> missing;
    for (const auto& name : CatalogueLists::fileNames()) {
        if (overwrite_ || !SourceFiles::exists(pathOf(name)))
            missing.push_back(name);
    }
    return missing;
}

bool ListGenerator::writeMissing(const Lexicon& lexicon, std::vector<ListReport>& reports)
{
    for (const auto& name : missingFiles()) {
        if (CatalogueLists::needsReformed(name) && !lexicon.hasReformed)
            continue;
        const auto lines = CatalogueLists::lines(name, lexicon);
        if (!writeList(name, lines))
            return false;
        reports.push_back({name, lines.size()});
    }
    return true;
}

std::vector<std::string> ListGenerator::thinned(std::vector<std::string> lines, std::size_t limit)
{
    if (lines.size() <= limit)
        return lines;
    std::vector<std::string> kept;
    kept.reserve(limit);
    for (std::size_t k = 0; k < limit; ++k)
        kept.push_back(std::move(lines[k * lines.size() / limit]));
    return kept;
}

// Written under a temporary name and renamed when complete, so that an interrupted run
// leaves no half list that the next run would take for a player's own.
bool ListGenerator::writeList(const std::string& name, const std::vector<std::string>& lines)
{
    const std::string path = pathOf(name);
    const std::string partial = path + ".part";
    textfile::LineWriter writer(partial);
    if (!writer.isOpen()) {
        error_ = partial + ": " + writer.errorText();
        return false;
    }
    for (const auto& line : lines)
        writer.write(line);
    if (!writer.close()) {
        error_ = partial + ": " + writer.errorText();
        std::remove(partial.c_str());
        return false;
    }
    if (!overwrite_ && SourceFiles::exists(path)) {
        std::remove(partial.c_str());
        return true;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        error_ = path + " : création impossible";
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

}  // namespace listgen
