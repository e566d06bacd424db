#pragma once

#include <files/OpenHandle.h>
#include <files/SystemCalls.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// What every open file of this library does with its handle, written once over the system
// calls: the loops that write every byte and read once, their chunks, the kind of file a
// handle may be. Errors are errno's numbers.
namespace files {

// The most bytes one call of the system reads or writes: Windows takes a 32-bit count.
constexpr std::size_t maxChunk = std::size_t{1} << 30;
std::size_t chunkOf(std::size_t size);

// One write of the system: at most `size` bytes at `offset` (or where the file stands);
// how many in `put`.
using WriteStep =
    std::function<int(const char* data, std::size_t size, std::uint64_t offset, std::size_t& put)>;
// Writes every byte, chunk by chunk, again after an interruption (EINTR). A write that stores
// nothing without an error is ENOSPC, never tried again forever.
int writeEvery(const WriteStep& write, const char* data, std::size_t size,
               std::uint64_t offset = system::whereItStands);
// The same through the system's write on `handle`; EBADF when it is not open.
int writeAll(NativeHandle handle, const char* data, std::size_t size,
             std::uint64_t offset = system::whereItStands);

// One read of the system, as WriteStep.
using ReadStep =
    std::function<int(char* buffer, std::size_t size, std::uint64_t offset, std::size_t& got)>;
// One read of up to `capacity` bytes, again after an interruption; the count read, 0 at the end
// or on a failure, whose number goes to `error`.
std::size_t readOnce(const ReadStep& read, char* buffer, std::size_t capacity, std::uint64_t offset,
                     int& error);
std::size_t readSome(NativeHandle handle, char* buffer, std::size_t capacity, std::uint64_t offset,
                     int& error);

// Opens `path` the way `opening` says into `file`, which holds nothing on a failure.
int openInto(OpenHandle& file, const std::string& path, system::Opening opening, unsigned mode = 0);
// The same, then refuses what is not a plain file (see plainFileError), closing it.
int openPlainFile(OpenHandle& file, const std::string& path, system::Opening opening,
                  unsigned mode = 0);

// 0 for a plain file open on `handle`, EISDIR for a folder, notAPlainFile for a pipe, a device
// or a socket (files/FileKind.h), else why its facts could not be read.
int plainFileError(NativeHandle handle);
// Calls `call` again while the system says it was interrupted.
int retried(const std::function<int()>& call);

}  // namespace files
