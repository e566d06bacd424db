#pragma once

#include <testsupport/ChildProcess.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A child process that tells each step of its work before it takes it and waits for leave, so
// that a test kills it at exactly the step it picks: a run cut short as a power cut or a kill
// would leave it (testsupport::ChildProcess, stepped).
class SteppedChild {
public:
    // Whether to kill the child at the step it tells (its number from 0 and its name), before
    // it takes it; none picked lets it end.
    using Pick = std::function<bool(std::size_t index, const std::string& step)>;
    using Allow = std::function<bool(const std::string& step)>;

#ifdef _WIN32
    // Runs `command` (the program, then its arguments, UTF-8). The steps told, in order.
    static std::vector<std::string> run(const std::vector<std::string>& command,
                                        const Pick& killHere)
    {
        std::vector<std::string> steps;
        testsupport::ChildProcess::run(command, testsupport::ChildProcess::Pace::stepped,
                                       told(steps, killHere));
        return steps;
    }

    // In the child program: its arguments (UTF-8, the program's name left out).
    static std::vector<std::string> arguments()
    {
        return testsupport::ChildProcess::arguments();
    }

    // In the child program: tells `step` and waits for leave.
    static bool tellAndWait(const std::string& step)
    {
        return testsupport::ChildProcess::tell(step, testsupport::ChildProcess::Pace::stepped);
    }
#else
    // Runs `work` in a forked child, handed the Allow that tells each step and waits; the
    // child ends with what `work` gives. The steps told, in order.
    static std::vector<std::string> run(const std::function<bool(const Allow&)>& work,
                                        const Pick& killHere)
    {
        std::vector<std::string> steps;
        testsupport::ChildProcess::run([&work](const Allow& allow) { return work(allow) ? 0 : 1; },
                                       testsupport::ChildProcess::Pace::stepped,
                                       told(steps, killHere));
        return steps;
    }
#endif

private:
    // Keeps each step told in `steps` and asks `killHere` about it.
    static testsupport::ChildProcess::KillHere told(std::vector<std::string>& steps,
                                                    const Pick& killHere)
    {
        return [&steps, &killHere](const std::string& step) {
            steps.push_back(step);
            return killHere(steps.size() - 1, step);
        };
    }
};
