#pragma once

#include <string>

namespace files {

// This process, as a lock file tells it to the one that finds it taken.
unsigned long processId();
// The program's own name, without its folder (nor ".exe").
std::string programName();

}  // namespace files
