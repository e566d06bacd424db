#include <listmaking/dictionary/DicReader.h>

#include <algorithm>
#include <cctype>

namespace listmaking {

namespace {

bool isCount(const std::string& line)
{
    const auto end = line.find_last_not_of(" \t\r") + 1;
    return end > 0 && std::all_of(line.begin(), line.begin() + static_cast<long>(end), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) != 0;
           });
}

}  // namespace

std::vector<DicEntry> DicReader::entries(textfile::LineSource& lines)
{
    std::vector<DicEntry> result;
    std::string line;
    bool first = true;
    while (lines.next(line)) {
        if (first && isCount(line)) {
            first = false;
            continue;
        }
        first = false;
        if (auto entry = DicEntry::parse(line))
            result.push_back(std::move(*entry));
    }
    return result;
}

std::vector<std::string> DicReader::words(textfile::LineSource& lines)
{
    std::vector<std::string> result;
    std::string line;
    while (lines.next(line)) {
        const auto begin = line.find_first_not_of(" \t\r");
        if (begin == std::string::npos)
            continue;
        const auto end = line.find_last_not_of(" \t\r") + 1;
        result.push_back(line.substr(begin, end - begin));
    }
    return result;
}

}  // namespace listmaking
