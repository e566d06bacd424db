#include <workshop/ops/Splitting.h>

#include <stdexcept>

namespace workshop {

void splitLines(textfile::LineSource& source, const std::vector<textfile::LineSink*>& parts)
{
    if (parts.empty())
        throw std::invalid_argument("splitLines needs at least one part");
    std::size_t next = 0;
    std::string line;
    while (source.next(line)) {
        parts[next]->write(line);
        if (++next == parts.size())
            next = 0;
    }
}

std::vector<std::string> splitSuffixes(int parts)
{
    if (parts < 1 || parts > 26)
        throw std::invalid_argument("a list splits into 1 to 26 parts");
    std::vector<std::string> suffixes;
    for (int i = 0; i < parts; ++i)
        suffixes.push_back(std::string("_") + static_cast<char>('a' + i) + ".txt");
    return suffixes;
}

}  // namespace workshop
