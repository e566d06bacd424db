#include <testsupport/TestFiles.h>

#include <files/FileFacts.h>
#include <files/InputFile.h>
#include <files/OutputFile.h>

namespace testsupport {

bool writeBytes(const std::string& path, const std::string& bytes)
{
    files::OutputFile file;
    return file.open(path) == 0 && file.write(bytes.data(), bytes.size()) == 0 && file.close() == 0;
}

std::string readBytes(const std::string& path)
{
    files::InputFile file;
    if (file.open(path) != 0)
        return "<missing>";
    std::string bytes;
    char buffer[1 << 16];
    int error = 0;
    while (const std::size_t got = file.read(buffer, sizeof buffer, error))
        bytes.append(buffer, got);
    return error == 0 ? bytes : "<missing>";
}

bool exists(const std::string& path)
{
    files::FileFacts facts;
    return files::factsOf(path, facts, false) == 0;
}

}  // namespace testsupport
