#pragma once

namespace files {

// An error number of our own, beside errno's: the path names a pipe, a device or a socket,
// which are never opened for reading, since reading them may block or never end.
constexpr int notAPlainFile = -1;
// Another one: another program holds the file open without sharing it (Windows' sharing and
// lock violations), which no errno number says.
constexpr int usedByAnotherProgram = -3;  // -2 is textfile::lineTooLong

}  // namespace files
