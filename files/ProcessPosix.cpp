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

}  // namespace files
