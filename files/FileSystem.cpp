#include <files/FileSystem.h>

#include <files/FileFacts.h>
#include <files/SystemCalls.h>

#include <cerrno>

namespace files {

// From the top, each folder of the path that is missing is made; a name that is there and is
// no folder stops the walk (ENOTDIR), the last one included. A drive ("C:") or a share
// ("//serveur/partage") is there or not, never made.
int makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find_first_of(system::separators, 1);;
         slash = path.find_first_of(system::separators, slash + 1)) {
        const std::string part = path.substr(0, slash);
        FileFacts facts;
        const bool there = !part.empty() && factsOf(part, facts) == 0;
        if (there && facts.kind != FileFacts::Kind::folder)
            return ENOTDIR;
        if (!part.empty() && !there)
            if (const int error = makeFolder(part); error != 0 && error != EEXIST)
                return error;
        if (slash == std::string::npos)
            return 0;
    }
}

}  // namespace files
