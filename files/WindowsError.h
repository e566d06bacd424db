#pragma once

namespace files {

// errno's number for a Win32 error (GetLastError()), so that the program names the reason in
// the same words on every system; `fallback` for an error without a counterpart.
int errnoFromWindows(unsigned long windowsError, int fallback);

}  // namespace files
