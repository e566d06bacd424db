#include <words/Extensions.h>

namespace words {

std::optional<std::string_view> backLetter(std::string_view base, std::string_view longer)
{
    if (longer.substr(0, base.size()) != base)
        return std::nullopt;
    return longer.substr(longer.empty() ? 0 : longer.size() - 1);
}

std::optional<std::string_view> frontLetter(std::string_view base, std::string_view longer)
{
    if (longer.size() < base.size() || longer.substr(longer.size() - base.size()) != base)
        return std::nullopt;
    return longer.substr(0, 1);
}

}  // namespace words
