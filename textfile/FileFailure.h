#pragma once

#include <status/Status.h>

#include <string>

namespace textfile {

class LineReader;

// "<path as shown> : <reason>": the one way a failure names the file it is about. The path is
// shown as the system writes it (files::shownPath, "\" on Windows).
std::string failureText(const std::string& path, const std::string& reason);

// The same as a failed Status.
status::Status failureAt(const std::string& path, const std::string& reason);

// A failed call of files/ on `path`: its error number (errno or one of files' own) in French.
status::Status fromErrno(const std::string& path, int errorNumber);

// What `reader` met reading `path`: success, or its failure named after the path.
status::Status fromReader(const std::string& path, const LineReader& reader);

}  // namespace textfile
