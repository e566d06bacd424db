#pragma once

#include <string>

namespace files {

// A path as a message shows it to the player: with the system's separator, "\" on Windows.
// Paths travel through the program with "/", which Windows takes but never writes itself.
std::string shownPath(const std::string& path);

// The separator shownPath() writes, the system's unless a test sets another for its scope, so
// that the messages can be read on one system as the other shows them.
class ShownSeparator {
public:
    explicit ShownSeparator(char separator);
    ~ShownSeparator();
    ShownSeparator(const ShownSeparator&) = delete;
    ShownSeparator& operator=(const ShownSeparator&) = delete;

    static char current();

private:
    char previous_;
};

}  // namespace files
