#pragma once

#include <files/FileIdentity.h>

#include <cstdint>
#include <string>

namespace files {

// What the system says of a name: its kind, identity, length, room on the disk, permission
// bits, number of names and last change.
struct FileFacts {
    enum class Kind { regular, folder, link, other };

    Kind kind = Kind::other;
    FileIdentity identity;
    std::uint64_t size = 0;
    std::uint64_t room = 0;  // the bytes it takes on its disk
    // The permission bits; on Windows 0444 for a read-only file, else 0666 (0777 a folder).
    unsigned mode = 0;
    std::uint64_t links = 0;           // its names (hard links)
    std::int64_t modifiedSeconds = 0;  // since 1970, UTC
    std::int64_t modifiedNanoseconds = 0;
};

// The facts of the file `path` (UTF-8) names, through symbolic links when `followLinks`,
// else of the link itself (Kind::link); 0 on success, otherwise errno's number.
int factsOf(const std::string& path, FileFacts& facts, bool followLinks = true);

}  // namespace files
