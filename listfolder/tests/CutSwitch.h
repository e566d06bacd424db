#pragma once

#include <listfolder/StagedFiles.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#ifdef _WIN32
#include <files/WidePath.h>

#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

// A switch of new files into a lists folder (StagedFiles) run by a child process that tells
// each step before it takes it and waits for leave, so that a test kills it at exactly the
// step it picks: a run cut short as a power cut or a kill would leave it. On Windows the child
// is the program cut_switch_child, started with CreateProcessW and ended by TerminateProcess.
class CutSwitch {
public:
    using Pick = std::function<bool(std::size_t index, const std::string& step)>;

#ifdef _WIN32
    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names, const Pick& killHere)
    {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE toldRead = nullptr, toldWrite = nullptr, leaveRead = nullptr, leaveWrite = nullptr;
        if (!CreatePipe(&toldRead, &toldWrite, &inherited, 0))
            return {};
        if (!CreatePipe(&leaveRead, &leaveWrite, &inherited, 0)) {
            CloseHandle(toldRead);
            CloseHandle(toldWrite);
            return {};
        }
        // the child inherits only its own ends
        SetHandleInformation(toldRead, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(leaveWrite, HANDLE_FLAG_INHERIT, 0);
        std::wstring line =
            argument(CUT_SWITCH_CHILD) + L" " + argument(dataDir) + L" " + argument(workDir);
        for (const auto& name : names)
            line += L" " + argument(name);
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = leaveRead;
        start.hStdOutput = toldWrite;
        start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION child{};
        const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0,
                                            nullptr, nullptr, &start, &child);
        CloseHandle(toldWrite);
        CloseHandle(leaveRead);
        std::vector<std::string> steps;
        std::string told;
        char c = 0;
        DWORD got = 0;
        while (started && ReadFile(toldRead, &c, 1, &got, nullptr) && got == 1) {
            if (c != '\n') {
                told += c;
                continue;
            }
            steps.push_back(told);
            told.clear();
            if (killHere(steps.size() - 1, steps.back())) {
                TerminateProcess(child.hProcess, 9);  // only the child this test started
                break;
            }
            DWORD put = 0;
            if (!WriteFile(leaveWrite, "g", 1, &put, nullptr) || put != 1)
                break;
        }
        CloseHandle(leaveWrite);
        CloseHandle(toldRead);
        if (started) {
            WaitForSingleObject(child.hProcess, INFINITE);
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
        return steps;
    }
#else

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
#endif

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
#ifdef _WIN32
    // One word of a command line, quoted as CommandLineToArgvW reads it back.
    static std::wstring argument(const std::string& utf8)
    {
        std::wstring wide;
        files::widePath(utf8, wide);
        std::wstring quoted = L"\"";
        std::size_t backslashes = 0;
        for (const wchar_t c : wide) {
            if (c == L'\\') {
                ++backslashes;
                quoted += c;
                continue;
            }
            if (c == L'"')
                quoted.append(backslashes + 1, L'\\');
            backslashes = 0;
            quoted += c;
        }
        quoted.append(backslashes, L'\\');
        return quoted + L"\"";
    }
#else
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
        bool ok = staged.open().ok();
        for (const auto& name : names)
            ok = ok && staged.write(name, {"NEW;" + name});
        ok = ok && staged.commit();
        std::_Exit(ok ? 0 : 1);
    }
#endif
};
