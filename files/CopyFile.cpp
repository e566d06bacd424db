#include <files/CopyFile.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/InputFile.h>
#include <files/NewFile.h>

#include <cerrno>

namespace files {

int copyFile(const std::string& from, const std::string& to)
{
    FileFacts facts;
    int error = factsOf(from, facts);
    InputFile in;
    if (error == 0)
        error = in.open(from);
    NewFile out;
    if (error == 0)
        error = out.create(to, facts.mode);
    const bool made = error == 0;
    char buffer[1 << 16];
    while (error == 0) {
        const std::size_t got = in.read(buffer, sizeof buffer, error);
        if (got == 0)
            break;
        error = out.write(buffer, got);
    }
    if (error == 0)
        error = out.sync();
    const int closed = out.isOpen() ? out.close() : 0;
    if (error == 0)
        error = closed;
    if (error != 0 && made)
        removeFile(to);
    return error;
}

}  // namespace files
