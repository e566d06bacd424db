#pragma once

#include <files/OpenHandle.h>

#include <cstddef>
#include <string>

namespace files {

// A file made new by this process: creation fails (EEXIST) when anything already has the name,
// a file, a folder or a symbolic link, so that nothing is written through a name or a link
// that was there. Written in binary, then synced to its disk. Errors are errno's numbers.
class NewFile {
public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Creates `path` (UTF-8) with the permission bits `mode` less the umask (on Windows a mode
    // without any write bit makes a read-only file).
    int create(const std::string& path, unsigned mode = 0666);
    bool isOpen() const;
    // Writes every byte.
    int write(const char* data, std::size_t size);
    // Gives the file the permission bits `mode` (those of a file it will replace).
    int setMode(unsigned mode);
    // Makes every byte written reach the disk.
    int sync();
    // Closes; 0 when the system took every byte, and for a file already closed (OpenHandle).
    int close();

private:
    OpenHandle file_;
};

}  // namespace files
