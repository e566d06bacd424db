#pragma once

#include <filesystem>

namespace testsupport {

// Makes `folder` the working folder while it lives, then goes back to the one before.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace testsupport
