#include <training/drill/ListLoader.h>

#include <catalogue/Catalogue.h>
#include <textfile/LineReader.h>

#include <filesystem>
#include <system_error>
#include <utility>

namespace drill {

namespace {

const std::string kDataPrefix = "data/";

bool isBlank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

LoadedList refused(std::string message)
{
    LoadedList result;
    result.message = std::move(message);
    return result;
}

bool isFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

LoadedList ListLoader::read(textfile::LineSource& lines, const std::string& fileName)
{
    LoadedList result;
    std::string line;
    long number = 0;
    while (lines.next(line)) {
        ++number;
        if (isBlank(line))
            continue;
        if (line.find(';') == std::string::npos)
            return refused("Liste refusée : " + fileName + ", ligne " + std::to_string(number)
                           + " sans « ; »");
        ListEntry entry = ListEntry::fromLine(line);
        // An answer box takes no more characters than its draw: such an entry could never
        // be typed, so the drill would never end.
        if (entry.solutions.size() > entry.draw.size())
            return refused("Liste refusée : " + fileName + ", ligne " + std::to_string(number)
                           + " : solutions plus longues que le tirage");
        result.entries.push_back(std::move(entry));
    }
    result.ok = true;
    return result;
}

std::string ListLoader::locate(const std::string& relativePath,
                               const std::vector<std::string>& dataFolders)
{
    if (isFile(relativePath))
        return relativePath;
    const bool underData = relativePath.compare(0, kDataPrefix.size(), kDataPrefix) == 0;
    const std::string name = underData ? relativePath.substr(kDataPrefix.size()) : relativePath;
    for (const std::string& folder : dataFolders) {
        if (folder.empty())
            continue;
        const std::string candidate = (std::filesystem::path(folder) / name).string();
        if (isFile(candidate))
            return candidate;
    }
    return {};
}

LoadedList ListLoader::loadFile(const std::string& relativePath,
                                const std::vector<std::string>& dataFolders)
{
    const std::string path = locate(relativePath, dataFolders);
    if (path.empty())
        return refused("Liste introuvable : " + relativePath);
    textfile::LineReader reader(path);
    if (!reader.isOpen())
        return refused("Liste illisible : " + relativePath);
    LoadedList result = read(reader, relativePath);
    if (result.ok && reader.failed())
        return refused("Liste illisible : " + relativePath);
    result.path = path;
    return result;
}

LoadedList ListLoader::loadTitle(const std::string& title, int box,
                                 const std::vector<std::string>& dataFolders)
{
    const catalogue::ListRow* row = catalogue::Catalogue::find(title, box);
    if (!row)
        return refused("Liste inconnue : " + title);
    return loadFile(row->path(), dataFolders);
}

}  // namespace drill
