#pragma once

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A child process that tells a test each point of its work as a line, killed by the test at the
// line it picks: by its own id, never by a name. A stepped child waits for leave after each
// line, so that it is killed exactly there; a free-running one goes on at once, so that the
// kill lands wherever its work has come to. On POSIX systems the work runs in a forked child;
// on Windows, which has no fork(), in a program of its own, started with CreateProcessW and
// ended by TerminateProcess.
class ChildProcess {
public:
    enum class Pace { freeRunning, stepped };
    // At each line told: whether to kill the child now.
    using KillHere = std::function<bool(const std::string& line)>;
    // In the child: tells a line and, stepped, waits for leave; false once the test is gone.
    using Tell = std::function<bool(const std::string& line)>;

#ifdef _WIN32
    // Runs `command` (the program, then its arguments, UTF-8) until it ends or is killed; false
    // when it could not be started.
    static bool run(const std::vector<std::string>& command, Pace pace, const KillHere& killHere);

    // In the child program: its arguments (UTF-8, the program's name left out). Its standard
    // output is made binary, each line ending with LF alone.
    static std::vector<std::string> arguments();

    // In the child program: tells `line` on its standard output and, stepped, waits for leave
    // on its standard input.
    static bool tell(const std::string& line, Pace pace);
#else
    // Runs `work` in a forked child, handed its Tell, until it ends with what `work` gives or
    // is killed; false when it could not be started.
    static bool run(const std::function<int(const Tell&)>& work, Pace pace,
                    const KillHere& killHere);
#endif
};

}  // namespace testsupport
