#pragma once

#include <LineWriter.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "drill-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `lines` with CR LF into `relative` (folders created as needed).
    std::string write(const std::string& relative, const std::vector<std::string>& lines) const
    {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        textfile::LineWriter writer(file.string());
        for (const std::string& line : lines)
            writer.write(line);
        writer.close();
        return file.string();
    }

private:
    std::filesystem::path path_;
};
