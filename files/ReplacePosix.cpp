#include <files/Replace.h>
#include <files/SystemCalls.h>

#include <cerrno>
#include <cstdio>

namespace files {

int replaceFile(const std::string& from, const std::string& to)
{
    errno = 0;
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return system::lastError(EIO);
    return 0;
}

}  // namespace files
