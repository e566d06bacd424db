#pragma once

namespace files {

// An error number of our own, beside errno's: the path names a pipe, a device or a socket,
// which are never opened for reading, since reading them may block or never end.
constexpr int notAPlainFile = -1;

}  // namespace files
