#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace workshop {

// Points where a test steps into an operation, to play another program or a failing disk
// without waiting on anything; an empty hook leaves the ordinary behaviour.
struct FrameHooks {
    // Runs once the operation's work is done, before any output is put in place.
    std::function<void()> beforeCommit;
    // Reserves room for `size` bytes in a destination written in place; 0 or the error number.
    std::function<int(int fd, std::int64_t size)> reserve;
    // Writes bytes at `offset` of a destination written in place; 0 or the error number.
    std::function<int(int fd, const char* data, std::size_t size, std::int64_t offset)> write;
    // Asked before each step that puts the outputs in place together (files::FileSwitch):
    // 0 takes it, an error number makes it fail with that error.
    std::function<int(const std::string& step)> switchStep;
};

}  // namespace workshop
