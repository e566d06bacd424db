#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace testsupport {

// A small file system of the test's own, to fill up or to make read-only.
// - Linux: a tmpfs of `size` bytes mounted on `near` (made if need be); only root may.
// - Windows (under wine): a program there cannot mount anything, so the test run mounts a
//   small disk around the suite (scripts/windows/small-disk, a CTest fixture) and names it in
//   VORLANE_SMALL_DISK; the test gets a fresh folder on it, removed afterwards, and `size`
//   is the run's.
// When none can be had, ready() is false and why() says so, for the test's skip.
class SmallDisk {
public:
    SmallDisk(const std::filesystem::path& near, std::uint64_t size);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool ready() const { return !path_.empty(); }
    const std::string& why() const { return why_; }
    // The folder on the small disk (empty when not ready), as a UTF-8 path.
    std::string path() const;
    std::string file(const std::string& relative) const;

    // The bytes still free on the disk, or -1 when that cannot be read.
    std::int64_t freeBytes() const;
    // Fills the disk until no more than `room` bytes are left, with a file named `filler`.
    bool fill(std::uint64_t room = 0) const;
    // Makes the whole disk read-only; false where the system offers no way (Windows).
    bool makeReadOnly();

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace testsupport
