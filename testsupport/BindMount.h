#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A folder mounted a second time on `at` (made if need be), by the test and unmounted when it
// ends: the same files on the same device, but no rename between the two mounts (EXDEV).
// Linux only, and only root may; elsewhere ready() is false and why() says so, for the test's
// skip.
class BindMount {
public:
    BindMount(const std::filesystem::path& folder, const std::filesystem::path& at);
    ~BindMount();
    BindMount(const BindMount&) = delete;
    BindMount& operator=(const BindMount&) = delete;

    bool ready() const { return mounted_; }
    const std::string& why() const { return why_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace testsupport
