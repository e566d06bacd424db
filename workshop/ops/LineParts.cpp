#include <workshop/ops/LineParts.h>

#include <cmath>

namespace workshop {

long nearestWhole(double x)
{
    const double down = std::floor(x);
    const double frac = x - down;
    long result = static_cast<long>(down);
    if (frac > 0.5 || (frac == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

std::string_view partFrom(std::string_view line, long position, long length)
{
    if (length <= 0)
        return {};
    const long start = position < 1 ? 0 : position - 1;
    if (static_cast<std::size_t>(start) >= line.size())
        return {};
    return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

std::string_view leftPart(std::string_view line, long length)
{
    if (length <= 0)
        return {};
    return line.substr(0, static_cast<std::size_t>(length));
}

std::string_view rightPart(std::string_view line, long length)
{
    if (length <= 0)
        return {};
    if (static_cast<std::size_t>(length) >= line.size())
        return line;
    return line.substr(line.size() - static_cast<std::size_t>(length));
}

std::string_view drawPart(std::string_view line)
{
    const auto semi = line.find(';');
    return semi == std::string_view::npos ? std::string_view{} : line.substr(0, semi);
}

std::string_view solutionsPart(std::string_view line)
{
    const auto semi = line.find(';');
    return semi == std::string_view::npos ? line : line.substr(semi + 1);
}

}  // namespace workshop
