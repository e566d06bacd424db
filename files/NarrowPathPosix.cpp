#include <files/NarrowPath.h>

namespace files {

int narrowPath(const std::string& path, std::string& narrow)
{
    narrow = path;
    return 0;
}

}  // namespace files
