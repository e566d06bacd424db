#pragma once

#include <files/FileIdentity.h>
#include <files/OpenHandle.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace files {

// An existing plain file opened once for writing where it stands: a symbolic link is followed
// when it is opened, and only then, and every later call goes through what was opened, so that
// a name swapped for a link or another file meanwhile never leads a write elsewhere. Errors are
// errno's numbers, or notAPlainFile (files/FileKind.h) for a pipe, a device or a socket.
class WritableFile {
public:
    WritableFile() = default;
    ~WritableFile();
    WritableFile(const WritableFile&) = delete;
    WritableFile& operator=(const WritableFile&) = delete;

    // Opens `path` (UTF-8); it is never created nor emptied.
    int open(const std::string& path);
    bool isOpen() const;
    // The identity of the file opened (see identityOf).
    const FileIdentity& identity() const { return identity_; }
    // Its length, and the room it takes on its disk.
    int size(std::uint64_t& length, std::uint64_t& room) const;
    // Takes room for `size` bytes without changing a byte of the file nor its length;
    // EOPNOTSUPP where the file system cannot.
    int reserve(std::uint64_t size);
    // Writes every byte at `offset`.
    int writeAt(const char* data, std::size_t size, std::uint64_t offset);
    // Gives the file the length `size`, giving back any room beyond it.
    int resize(std::uint64_t size);
    // Makes every byte written reach the disk.
    int sync();
    // The system's number of the file, as a test's hook sees it: a descriptor on POSIX
    // systems, -1 on Windows.
    int descriptor() const;
    // Closes; a file already closed is left as it is (OpenHandle).
    void close();

private:
    OpenHandle file_;
    FileIdentity identity_;
};

// Reads up to `size` bytes at `offset` of the open file `descriptor` (a C library descriptor,
// as Qt's files give it); the count read, 0 at the end or on a failure, whose number goes to
// `error`.
std::size_t readAt(int descriptor, char* buffer, std::size_t size, std::uint64_t offset,
                   int& error);
// Writes every byte to the open file `descriptor`, again after an interruption; 0, or errno's
// number (ENOSPC for a write that stores nothing without saying why).
int writeOpenFile(int descriptor, const char* data, std::size_t size);
// Makes every byte written to the open file `descriptor` reach the disk; 0 or errno's number.
int syncOpenFile(int descriptor);
// The length of the open file `descriptor`; 0 or errno's number.
int sizeOfOpenFile(int descriptor, std::uint64_t& size);

}  // namespace files
