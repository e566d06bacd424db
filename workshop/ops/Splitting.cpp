#include <workshop/ops/Splitting.h>

namespace workshop {

status::Status splitLines(textfile::LineSource& source,
                          const std::vector<textfile::LineSink*>& parts)
{
    if (parts.empty())
        return status::Status::failure("une liste ne se divise pas en zéro partie");
    std::size_t next = 0;
    std::string line;
    while (source.next(line)) {
        parts[next]->write(line);
        if (++next == parts.size())
            next = 0;
    }
    return {};
}

status::Result<std::vector<std::string>> splitSuffixes(int parts)
{
    if (parts < 1 || parts > 26)
        return status::Status::failure("une liste se divise en 1 à 26 parties, pas en "
                                       + std::to_string(parts));
    std::vector<std::string> suffixes;
    for (int i = 0; i < parts; ++i)
        suffixes.push_back(std::string("_") + static_cast<char>('a' + i) + ".txt");
    return suffixes;
}

}  // namespace workshop
