#pragma once

#include <listfolder/StagedFiles.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A switch of new files into a lists folder (StagedFiles) run by a child process that tells
// each step before it takes it and waits for leave, so that a test kills it at exactly the
// step it picks: a run cut short as a power cut or a kill would leave it.
class CutSwitch {
public:
    using Pick = std::function<bool(std::size_t index, const std::string& step)>;

    // Each name gets the line "NEW;<name>". The child is killed when it tells the step that
    // `killHere` picks (its number from 0 and its name), before taking it; none picked lets it
    // end. The steps told, in order.
    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names, const Pick& killHere)
    {
        int told[2];
        int leave[2];
        if (::pipe(told) != 0 || ::pipe(leave) != 0)
            return {};
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(told[0]);
            ::close(leave[1]);
            switchFiles(dataDir, workDir, names, told[1], leave[0]);
        }
        ::close(told[1]);
        ::close(leave[0]);
        std::vector<std::string> steps;
        std::FILE* in = ::fdopen(told[0], "r");
        char line[512];
        while (in && std::fgets(line, sizeof line, in)) {
            steps.emplace_back(line, std::string(line).find('\n'));
            if (killHere(steps.size() - 1, steps.back())) {
                ::kill(child, SIGKILL);  // only the child this test started
                break;
            }
            if (::write(leave[1], "g", 1) != 1)
                break;
        }
        ::close(leave[1]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (in)
            std::fclose(in);
        return steps;
    }

    // Killed at the step named `step` ("remplacement ods6new_5L.txt").
    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names,
                                        const std::string& step)
    {
        return run(dataDir, workDir, names,
                   [&step](std::size_t, const std::string& told) { return told == step; });
    }

    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names, std::size_t killAt)
    {
        return run(dataDir, workDir, names,
                   [killAt](std::size_t index, const std::string&) { return index == killAt; });
    }

private:
    [[noreturn]] static void switchFiles(const std::string& dataDir, const std::string& workDir,
                                         const std::vector<std::string>& names, int told, int leave)
    {
        listfolder::StagedFiles staged(dataDir, workDir);
        staged.allowStep = [told, leave](const std::string& step) {
            const std::string line = step + "\n";
            char go = 0;
            return ::write(told, line.data(), line.size()) == ssize_t(line.size())
                && ::read(leave, &go, 1) == 1;
        };
        bool ok = staged.open();
        for (const auto& name : names)
            ok = ok && staged.write(name, {"NEW;" + name});
        ok = ok && staged.commit();
        std::_Exit(ok ? 0 : 1);
    }
};
