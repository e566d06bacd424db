#include <files/Process.h>

#include <cerrno>

#include <unistd.h>

namespace files {

unsigned long processId()
{
    return static_cast<unsigned long>(::getpid());
}

std::string programName()
{
    return program_invocation_short_name;
}

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void printUtf8() {}

bool useParentConsole()
{
    return true;
}

}  // namespace files
