#include <workshop/ops/DerivedNames.h>

namespace workshop {

namespace {

bool continuesCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where the extension starts: the byte index of a dot followed by exactly three characters
// of the file name at the end of the path; npos when the path has no such ending.
std::size_t extensionStart(std::string_view path)
{
    std::size_t start = path.size();
    for (int characters = 0; characters < 4; ++characters) {
        if (start == 0)
            return std::string_view::npos;
        --start;
        while (start > 0 && continuesCharacter(path[start]))
            --start;
        if (path[start] == '/')
            return std::string_view::npos;
    }
    return path[start] == '.' ? start : std::string_view::npos;
}

}  // namespace

std::optional<std::string> derivedName(std::string_view sourcePath, std::string_view suffix)
{
    if (sourcePath.empty())
        return std::nullopt;
    const std::size_t start = extensionStart(sourcePath);
    std::string name(
        sourcePath.substr(0, start == std::string_view::npos ? sourcePath.size() : start));
    name += suffix;
    return name;
}

}  // namespace workshop
