#include <files/FileIdentity.h>

#include <files/FileFacts.h>

namespace files {

int identityOf(const std::string& path, FileIdentity& identity)
{
    FileFacts facts;
    if (const int error = factsOf(path, facts))
        return error;
    identity = facts.identity;
    return 0;
}

}  // namespace files
