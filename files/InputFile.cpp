#include <files/InputFile.h>

#include <files/FileFacts.h>
#include <files/FileKind.h>
#include <files/HandleCalls.h>

#include <cerrno>

namespace files {

InputFile::~InputFile() = default;

int InputFile::open(const std::string& path)
{
    close();
    // A pipe or a device is refused before it is opened, which may have effects of its own.
    FileFacts facts;
    if (const int error = factsOf(path, facts))
        return error;
    if (facts.kind != FileFacts::Kind::regular)
        return facts.kind == FileFacts::Kind::folder ? EISDIR : notAPlainFile;
    // the path may have been swapped for a pipe or a folder since it was looked at
    return openPlainFile(file_, path, system::Opening::read);
}

bool InputFile::isOpen() const
{
    return file_.isOpen();
}

std::size_t InputFile::read(char* buffer, std::size_t capacity, int& error)
{
    if (!file_.isOpen())
        return 0;
    return readSome(file_.get(), buffer, capacity, system::whereItStands, error);
}

void InputFile::close()
{
    file_.close();
}

}  // namespace files
