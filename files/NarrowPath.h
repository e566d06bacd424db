#pragma once

#include <string>

namespace files {

// The path to give a library that opens files only through the C library's 8-bit calls
// (Hunspell): `path` itself on POSIX systems; on Windows the path in the local 8-bit code page
// when it holds every character, else its short 8.3 form. EILSEQ when neither can name it:
// the caller then refuses rather than open another file.
int narrowPath(const std::string& path, std::string& narrow);

}  // namespace files
