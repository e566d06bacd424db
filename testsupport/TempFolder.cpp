#include <testsupport/TempFolder.h>

#include <files/Utf8Path.h>
#include <textfile/LineWriter.h>

#include <random>
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

// A folder that did not exist, made by this call: creating it is what claims the name.
TempFolder::TempFolder()
{
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        base = "/tmp";
    std::random_device seed;
    std::mt19937_64 names(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            base / files::fromUtf8("vorlane-test-" + std::to_string(names()));
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
        if (error)
            return;
    }
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
    return files::toUtf8(path_ / files::fromUtf8(relative));
}

std::string TempFolder::write(const std::string& relative,
                              const std::vector<std::string>& lines) const
{
    const std::filesystem::path file = path_ / files::fromUtf8(relative);
    std::filesystem::create_directories(file.parent_path());
    textfile::LineWriter writer(files::toUtf8(file));
    for (const std::string& line : lines)
        writer.write(line);
    writer.close();
    return files::toUtf8(file);
}

}  // namespace testsupport
