#pragma once

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#ifdef _WIN32
#include <files/Utf8Path.h>
#include <files/WidePath.h>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

// A child process that tells each step of its work before it takes it and waits for leave, so
// that a test kills it at exactly the step it picks: a run cut short as a power cut or a kill
// would leave it. On POSIX systems the work runs in a forked child; on Windows, which has no
// fork(), in a program of its own, started with CreateProcessW and ended by TerminateProcess.
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
        std::wstring line;
        for (const auto& word : command)
            line += (line.empty() ? L"" : L" ") + argument(word);
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

    // In the child program: its arguments (UTF-8, the program's name left out).
    static std::vector<std::string> arguments()
    {
        int count = 0;
        wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
        std::vector<std::string> words;
        for (int i = 1; wide && i < count; ++i)
            words.push_back(files::toUtf8(std::filesystem::path(wide[i])));
        _setmode(_fileno(stdout), _O_BINARY);  // each step ends with LF alone
        return words;
    }

    // In the child program: tells `step` and waits for leave.
    static bool tellAndWait(const std::string& step)
    {
        const std::string line = step + "\n";
        return std::fwrite(line.data(), 1, line.size(), stdout) == line.size()
            && std::fflush(stdout) == 0 && std::fgetc(stdin) == 'g';
    }
#else
    // Runs `work` in a forked child, handed the Allow that tells each step and waits; the
    // child ends with what `work` gives. The steps told, in order.
    static std::vector<std::string> run(const std::function<bool(const Allow&)>& work,
                                        const Pick& killHere)
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
            const int tell = told[1];
            const int wait = leave[0];
            const bool ok = work([tell, wait](const std::string& step) {
                const std::string line = step + "\n";
                char go = 0;
                return ::write(tell, line.data(), line.size()) == ssize_t(line.size())
                    && ::read(wait, &go, 1) == 1;
            });
            std::_Exit(ok ? 0 : 1);
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
#endif
};
