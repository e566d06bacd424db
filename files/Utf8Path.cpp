#include <files/Utf8Path.h>

namespace files {

std::filesystem::path fromUtf8(const std::string& path)
{
    return std::filesystem::u8path(path);
}

std::string toUtf8(const std::filesystem::path& path)
{
    return path.u8string();
}

}  // namespace files
