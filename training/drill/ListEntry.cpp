#include <training/drill/ListEntry.h>

namespace drill {

ListEntry ListEntry::fromLine(const std::string& line)
{
    const std::size_t cut = line.find(';');
    if (cut == std::string::npos)
        return {line, std::string()};
    return {line.substr(0, cut), line.substr(cut + 1)};
}

}  // namespace drill
