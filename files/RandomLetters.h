#pragma once

#include <string>

namespace files {

// Six letters or digits drawn at random, for a name of its own beside a file.
std::string randomLetters();

}  // namespace files
