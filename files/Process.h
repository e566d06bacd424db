#pragma once

#include <string>
#include <vector>

namespace files {

// This process, as a lock file tells it to the one that finds it taken.
unsigned long processId();
// The program's own name, without its folder (nor ".exe").
std::string programName();
// The program's arguments in UTF-8, the program's own name first: `argv` itself on POSIX
// systems; on Windows the wide-character command line, since `argv` holds only what the 8-bit
// code page can write.
std::vector<std::string> utf8Arguments(int argc, char** argv);
// Makes the console show the UTF-8 text the program prints (Windows); nothing elsewhere.
void printUtf8();
// A windowed Windows program started from a console prints there, where its output is not
// sent elsewhere already. False when what it prints would reach no one: started from a
// shortcut or a double click, a windowed program has neither console nor output (Windows);
// always true elsewhere.
bool useParentConsole();

}  // namespace files
