#include "DerivedNames.h"

namespace workshop {

namespace {

bool continuesCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::optional<std::string> derivedName(std::string_view sourcePath, std::string_view suffix)
{
    std::size_t end = sourcePath.size();
    for (int removed = 0; removed < 4; ++removed) {
        if (end == 0)
            return std::nullopt;
        --end;
        while (end > 0 && continuesCharacter(sourcePath[end]))
            --end;
    }
    std::string name(sourcePath.substr(0, end));
    name += suffix;
    return name;
}

}  // namespace workshop
