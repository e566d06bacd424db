#include <testsupport/FolderSnapshot.h>

#include <files/Utf8Path.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testsupport {

std::map<std::string, std::string> FolderSnapshot::of(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(files::fromUtf8(folder), error)) {
        const auto name = files::toUtf8(entry.path().filename());
        if (entry.is_symlink()) {
            files[name] = "-> " + files::toUtf8(fs::read_symlink(entry.path()));
        } else if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[name] = bytes.str();
        } else {
            files[name] = "(other)";
        }
    }
    return files;
}

}  // namespace testsupport
