#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder of its own under the system's temporary folder (TMPDIR), removed with
// everything in it when the test is done.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // False when the folder could not be made; path() is then empty.
    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    // The path of `relative` inside the folder.
    std::string file(const std::string& relative) const;
    // Writes `lines` with CR LF into `relative` (folders created as needed); returns its path.
    std::string write(const std::string& relative, const std::vector<std::string>& lines) const;

private:
    std::filesystem::path path_;
};

}  // namespace testsupport
