#include <testsupport/AccentedNames.h>

namespace testsupport {

const std::vector<std::string>& accentedNames()
{
    static const std::vector<std::string> names = {"à Désirée", "Hélène", "Łukasz"};
    return names;
}

}  // namespace testsupport
