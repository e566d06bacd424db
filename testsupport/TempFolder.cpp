#include <testsupport/TempFolder.h>

#include <textfile/LineWriter.h>

#include <cstdlib>
#include <system_error>

namespace testsupport {

namespace {

// Gives the owner every right on the folders below `root`, so that a test that took them
// away does not leave its folder behind.
void unlockFolders(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    std::error_code walk;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, walk);
    for (const fs::recursive_directory_iterator end; !walk && it != end; it.increment(walk))
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
}

}  // namespace

TempFolder::TempFolder()
{
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::string pattern =
        ((error ? std::filesystem::path("/tmp") : base) / "vorlane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
}

TempFolder::~TempFolder()
{
    if (path_.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    if (error) {
        unlockFolders(path_);
        std::filesystem::remove_all(path_, error);
    }
}

std::string TempFolder::file(const std::string& relative) const
{
    return (path_ / relative).string();
}

std::string TempFolder::write(const std::string& relative,
                              const std::vector<std::string>& lines) const
{
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    textfile::LineWriter writer(file.string());
    for (const std::string& line : lines)
        writer.write(line);
    writer.close();
    return file.string();
}

}  // namespace testsupport
