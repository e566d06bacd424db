#include <training/drill/ListLoader.h>

#include <files/FileFacts.h>
#include <files/ShownPath.h>
#include <files/Utf8Path.h>

#include <catalogue/Catalogue.h>

#include <textfile/Cp1252.h>
#include <textfile/LineReader.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>
#include <utility>

namespace drill {

namespace {

const std::string kDataPrefix = "data/";

bool isBlank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

status::Status refused(std::string message)
{
    return status::Status::failure(std::move(message));
}

status::Status refusedLine(const std::string& fileName, std::size_t number, const std::string& why)
{
    return refused("Liste refusée : " + files::shownPath(fileName) + ", ligne "
                   + std::to_string(number) + why);
}

// What no answer box takes: C0 controls (NUL, tab...), DEL, and the C1 controls, among which
// the five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) fall.
bool holdsControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char byte) {
        const char16_t character = textfile::Cp1252::toUnicode(static_cast<unsigned char>(byte));
        return character < 0x20 || (character >= 0x7F && character < 0xA0);
    });
}

// Why a line cannot be drilled (after " : "), or empty when it can.
std::string faultOf(const ListEntry& entry)
{
    // A solution that cannot be typed, or longer than its draw (an answer box takes no more
    // characters), could never be found: the drill would never end.
    if (holdsControlCharacter(entry.solutions))
        return "caractère de contrôle";
    if (entry.solutions.size() > entry.draw.size())
        return "solutions plus longues que le tirage";
    return {};
}

bool isFile(const std::string& path)
{
    files::FileFacts facts;
    return files::factsOf(path, facts) == 0 && facts.kind == files::FileFacts::Kind::regular;
}

}  // namespace

ListLoad ListLoader::read(textfile::LineSource& lines, const std::string& fileName)
{
    LoadedList result;
    std::string line;
    std::size_t number = 0;
    try {
        for (; lines.next(line); ++number) {
            if (isBlank(line))
                continue;
            if (line.find(';') == std::string::npos)
                return refusedLine(fileName, number + 1, " sans « ; »");
            ListEntry entry = ListEntry::fromLine(line);
            const std::string fault = faultOf(entry);
            if (!fault.empty())
                return refusedLine(fileName, number + 1, " : " + fault);
            result.entries.push_back(std::move(entry));
        }
    } catch (const std::bad_alloc&) {
        std::vector<ListEntry>().swap(result.entries);  // the memory back before the message
        return refusedLine(fileName, number + 1, " : mémoire insuffisante pour la charger");
    }
    return result;
}

std::vector<std::string> ListLoader::places(const std::string& relativePath,
                                            const std::vector<std::string>& dataFolders)
{
    std::vector<std::string> places{relativePath};
    const bool underData = relativePath.compare(0, kDataPrefix.size(), kDataPrefix) == 0;
    const std::string name = underData ? relativePath.substr(kDataPrefix.size()) : relativePath;
    for (const std::string& folder : dataFolders)
        if (!folder.empty())
            places.push_back(files::toUtf8(
                (files::fromUtf8(folder) / files::fromUtf8(name)).lexically_normal()));
    return places;
}

std::string ListLoader::locate(const std::string& relativePath,
                               const std::vector<std::string>& dataFolders)
{
    for (const std::string& place : places(relativePath, dataFolders))
        if (isFile(place))
            return place;
    return {};
}

std::string ListLoader::notFound(const std::string& relativePath,
                                 const std::vector<std::string>& dataFolders)
{
    std::error_code ignored;
    std::string searched;
    for (const std::string& place : places(relativePath, dataFolders))
        searched += (searched.empty() ? "" : ", ")
            + files::shownPath(files::toUtf8(
                std::filesystem::absolute(files::fromUtf8(place), ignored).lexically_normal()));
    return "Liste introuvable : " + files::shownPath(relativePath) + " (cherchée dans " + searched
        + ")";
}

ListLoad ListLoader::loadFile(const std::string& relativePath,
                              const std::vector<std::string>& dataFolders)
{
    const std::string path = locate(relativePath, dataFolders);
    if (path.empty())
        return refused(notFound(relativePath, dataFolders));
    textfile::LineReader reader(path);
    if (!reader.isOpen())
        return refused("Liste illisible : " + files::shownPath(relativePath));
    ListLoad result = read(reader, relativePath);
    if (result.ok() && reader.errorNumber() == textfile::lineTooLong)
        return refusedLine(relativePath, reader.linesRead() + 1, " : " + reader.status().why());
    if (result.ok() && reader.failed())
        return refused("Liste illisible : " + files::shownPath(relativePath));
    if (result.ok())
        result->path = path;
    return result;
}

ListLoad ListLoader::loadTitle(const std::string& title, int box,
                               const std::vector<std::string>& dataFolders)
{
    const catalogue::ListRow* row = catalogue::Catalogue::find(title, box);
    if (!row)
        return refused(unknownTitle(title));
    return loadFile(row->path(), dataFolders);
}

std::string ListLoader::unknownTitle(const std::string& title)
{
    return "Liste inconnue : " + title;
}

}  // namespace drill
