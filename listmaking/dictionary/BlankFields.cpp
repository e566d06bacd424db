#include <listmaking/dictionary/BlankFields.h>

namespace listmaking {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace

std::vector<std::string_view> BlankFields::split(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        std::size_t end = pos;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        if (end > pos)
            fields.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return fields;
}

}  // namespace listmaking
