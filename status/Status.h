#pragma once

#include <string>
#include <utility>

namespace status {

// What an operation of the engine gives back when it can fail: success, or why not in French,
// ready for the player to read. A failure with no reason is a cancelled run: nothing to say.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status failure(std::string why) { return Status(std::move(why), true); }
    static Status cancelled() { return Status({}, true); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    bool wasCancelled() const { return failed_ && why_.empty(); }
    // Empty on success and for a cancelled run.
    const std::string& why() const { return why_; }

private:
    Status(std::string why, bool failed) : why_(std::move(why)), failed_(failed) {}

    std::string why_;
    bool failed_ = false;
};

}  // namespace status
