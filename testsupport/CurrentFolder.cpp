#include <testsupport/CurrentFolder.h>

#include <system_error>

namespace testsupport {

CurrentFolder::CurrentFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

CurrentFolder::~CurrentFolder()
{
    std::error_code ignored;  // a destructor does not throw
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace testsupport
