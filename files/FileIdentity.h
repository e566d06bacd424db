#pragma once

#include <cstdint>
#include <string>

namespace files {

// What tells one file from another whatever its names: device and inode on POSIX systems,
// the volume's serial number and the file index on Windows (where st_ino is always 0).
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const FileIdentity& other) const
    {
        return volume == other.volume && index == other.index;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// The identity of the file `path` (UTF-8) leads to, through symbolic links; 0 on success,
// otherwise errno's number.
int identityOf(const std::string& path, FileIdentity& identity);

}  // namespace files
