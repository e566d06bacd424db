#include <testsupport/ChildProcess.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Writes `line` and a LF on `out`, then, stepped, waits for one byte of leave on `in`.
bool tellOn(int out, int in, ChildProcess::Pace pace, const std::string& line)
{
    const std::string told = line + "\n";
    if (::write(out, told.data(), told.size()) != static_cast<ssize_t>(told.size()))
        return false;
    char go = 0;
    return pace == ChildProcess::Pace::freeRunning || ::read(in, &go, 1) == 1;
}

// Reads the child's lines from `told` until it ends or `killHere` picks one; then `child` is
// killed, by its id only. Stepped, each line not picked is answered on `leave`.
void follow(pid_t child, int told, int leave, const ChildProcess::KillHere& killHere)
{
    std::string line;
    char c = 0;
    while (::read(told, &c, 1) == 1) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (killHere(line)) {
            ::kill(child, SIGKILL);  // only the child this test started
            return;
        }
        line.clear();
        if (leave >= 0 && ::write(leave, "g", 1) != 1)
            return;
    }
}

}  // namespace

bool ChildProcess::run(const std::function<int(const Tell&)>& work, Pace pace,
                       const KillHere& killHere)
{
    int told[2];
    int leave[2] = {-1, -1};
    if (::pipe(told) != 0)
        return false;
    if (pace == Pace::stepped && ::pipe(leave) != 0) {
        ::close(told[0]);
        ::close(told[1]);
        return false;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(told[0]);
        if (leave[1] >= 0)
            ::close(leave[1]);
        const int out = told[1];
        const int in = leave[0];
        std::_Exit(
            work([out, in, pace](const std::string& line) { return tellOn(out, in, pace, line); }));
    }
    ::close(told[1]);
    if (leave[0] >= 0)
        ::close(leave[0]);
    if (child > 0)
        follow(child, told[0], leave[1], killHere);
    if (leave[1] >= 0)
        ::close(leave[1]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    ::close(told[0]);
    return child > 0;
}

}  // namespace testsupport
