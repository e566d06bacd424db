#pragma once

namespace files {

#ifdef _WIN32
using NativeHandle = void*;  // a HANDLE, kept out of the headers with <windows.h>
constexpr NativeHandle noHandle = nullptr;
#else
using NativeHandle = int;  // a file descriptor
constexpr NativeHandle noHandle = -1;
#endif

// An open file or folder as the system names it, closed once: by close() or when it goes.
// Every class of open file in this library holds its handle in one, so that all of them close
// alike: a second close() of a handle already closed does nothing and returns 0, and never
// reaches a handle number the system has since given to another file.
class OpenHandle {
public:
    OpenHandle() = default;
    ~OpenHandle();
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;

    // Takes `handle` (or noHandle) in charge, closing the one it held.
    void hold(NativeHandle handle);
    NativeHandle get() const { return handle_; }
    bool isOpen() const { return handle_ != noHandle; }
    // 0 when the system took every byte, otherwise errno's number; 0 when already closed.
    int close();

private:
    NativeHandle handle_ = noHandle;
};

}  // namespace files
