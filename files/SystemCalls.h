#pragma once

#include <files/FileFacts.h>
#include <files/OpenHandle.h>

#include <cstddef>
#include <cstdint>
#include <string>

// The few calls of the system that the open files of this library are written over: one
// implementation per system (SystemCallsPosix.cpp, SystemCallsWindows.cpp, and the facts of a
// handle in FileFacts*.cpp); the loops, checks and conventions above them are written once
// (HandleCalls.h and the classes). Each returns 0 or errno's number, EINTR included, which
// the caller answers by calling again.
namespace files::system {

#ifdef _WIN32
constexpr const char* separators = "/\\";
#else
constexpr const char* separators = "/";  // elsewhere "\" may be part of a name
#endif

// errno's number for the call of the system that has just failed; `fallback` when the system
// says nothing the program can name.
int lastError(int fallback);

enum class Opening {
    read,           // an existing file, to read; a pipe never blocks the open
    replace,        // created or emptied, to write
    create,         // made new with `mode`, never over nor through a name already there
    writeExisting,  // an existing file, to write where it stands; a pipe never blocks the open
    lock,           // made when missing, to read and write; never through a link (ELOOP)
};

// `handle` is noHandle unless the file was opened (on Windows a read-only new file is open
// even when its mark could not be set, and that error is returned).
int open(const std::string& path, Opening opening, unsigned mode, NativeHandle& handle);
// The folder itself; ENOTDIR for anything else, ELOOP for a link not to be followed.
int openFolder(const std::string& path, bool followLink, NativeHandle& handle);
// 0 when the system took every byte.
int close(NativeHandle handle);

// The offset of a read or write that goes where the file stands.
constexpr std::uint64_t whereItStands = UINT64_MAX;
// One read or write of at most maxChunk bytes (HandleCalls.h); `got`, `put`: how many.
int read(NativeHandle handle, char* buffer, std::size_t size, std::uint64_t offset,
         std::size_t& got);
int write(NativeHandle handle, const char* data, std::size_t size, std::uint64_t offset,
          std::size_t& put);
int sync(NativeHandle handle);
int factsOf(NativeHandle handle, FileFacts& facts);
// The permission bits; on Windows only whether the file may be written.
int setMode(NativeHandle handle, unsigned mode);
int resize(NativeHandle handle, std::uint64_t size);
// Room on the disk for `size` bytes, the length unchanged; EOPNOTSUPP where it cannot.
int reserve(NativeHandle handle, std::uint64_t size);
// The lock of an open file, without waiting: EWOULDBLOCK while another holds it.
int tryLock(NativeHandle handle);
// The same for the open folder `path`; on Windows the lock is a second handle, `lock`.
int tryLockFolder(NativeHandle folder, const std::string& path, NativeHandle& lock);
// The handle behind a C library descriptor (as Qt's files give it); EBADF for none.
int handleOf(int descriptor, NativeHandle& handle);
// The C library descriptor of a handle, as a test's hook sees it; -1 on Windows.
int descriptorOf(NativeHandle handle);

}  // namespace files::system
