#pragma once

#include <string>

namespace files {

// errno's number for a Win32 error (GetLastError()), so that the program names the reason in
// the same words on every system; `fallback` for an error without a counterpart.
int errnoFromWindows(unsigned long windowsError, int fallback);

// The same for a call that opened the path `wide`, in the words POSIX systems use: Windows
// says "access denied" for a folder opened as a file (EISDIR) and "path not found" where one
// of its folders is a file (ENOTDIR).
int errnoForPath(const std::wstring& wide, unsigned long windowsError, int fallback);

}  // namespace files
