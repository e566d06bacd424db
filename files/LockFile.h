#pragma once

#include <files/OpenHandle.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace files {

// A file or a folder held open to take a lock on it, one holder at a time across processes.
// The system drops the lock when its holder ends, however it ends. Errors are errno's numbers.
//
// On Windows a file's lock covers a byte far beyond its end, so that its text stays readable
// by the one refused; a folder is locked by being held open for adding folders in it, which
// a second holder is refused (a sharing violation).
class LockFile {
public:
    LockFile() = default;
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Opens the file `path`, made when missing, never through a symbolic link (ELOOP); a
    // folder (EISDIR) or anything else that is no plain file (notAPlainFile) is refused.
    int openFile(const std::string& path);
    // Opens the folder `path` itself; a symbolic link is followed only when `followLink`.
    int openFolder(const std::string& path, bool followLink);
    // Takes the lock without waiting: 0, EWOULDBLOCK while another holds it, else errno.
    int tryLock();
    // The first `limit` bytes of the file at most; empty for a folder or on a failure.
    std::string text(std::size_t limit) const;
    // Best effort: the file holds `text` alone.
    void setText(const std::string& text);
    bool isOpen() const;
    // How many names the open file has (hard links); 0 for a folder or when it cannot be told.
    std::uint64_t names() const;
    // Closes; a file already closed is left as it is (OpenHandle).
    void close();

private:
    OpenHandle file_;
    bool folder_ = false;
    std::string path_;       // the folder's, which Windows opens again to lock it
    OpenHandle folderLock_;  // that second handle, on Windows
};

}  // namespace files
