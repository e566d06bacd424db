#pragma once

#include <study/ProgressBook.h>
#include <study/StudyRecord.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>
#ifdef _WIN32
#include <files/Utf8Path.h>
#include <files/WidePath.h>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

// A program that corrects series into a study record without end and tells each correction
// once committed ("12" after its 12th), so that a test kills it at a point of its writing it
// does not choose: the kill comes while the child goes on with the next correction. On POSIX
// systems the child is forked; on Windows, which has no fork(), it is the program
// study_kill_child, started with CreateProcessW and ended by TerminateProcess.
class CorrectingChild {
public:
    // The child's work: series of 30 answers on a few lists (each with the drill progress of
    // its list), seeded, until killed. `tell` gets the count of corrections committed.
    static int correct(const std::string& path, std::uint32_t seed,
                       const std::function<bool(long long)>& tell)
    {
        std::mt19937 random(seed);
        std::int64_t now = 1'800'000'000 + static_cast<std::int64_t>(seed) * 600;
        study::StudyRecord record([&now] { return now; });
        if (!record.open(path).ok() || !record.setAsideAs().empty())
            return 2;
        study::ProgressBook progress(record);
        const std::string list = "ods6new_" + std::to_string(5 + seed % 4) + "L.txt";
        drill::SavedDrill saved;
        for (int k = 0; k < 300; ++k)
            saved.entries.push_back({"D" + std::to_string(k), "S" + std::to_string(k)});
        saved.successCount.assign(saved.entries.size(), 0);
        const auto generation = progress.saveWhole(list, "liste", {"/l", 1, "00"}, saved);
        if (!generation.ok())
            return 3;
        for (long long done = 1;; ++done) {
            std::vector<study::SlotAnswer> answers;
            for (int slot = 0; slot < 30; ++slot) {
                const int entry = static_cast<int>(random() % 300);
                answers.push_back({{list, "D" + std::to_string(entry), "S" + std::to_string(entry)},
                                   random() % 3 == 0,
                                   static_cast<std::int32_t>(random() % 40)});
            }
            study::ProgressChange change;
            change.seriesAdded = 1;
            change.errorsAdded = 2;
            change.eliminated = {static_cast<std::int32_t>(random() % 300)};
            now += 45;
            if (!record.recordCorrection(answers).ok()
                || !progress.saveChange(list, *generation, change).ok() || !tell(done))
                return 4;
        }
    }

#ifdef _WIN32
    // Runs the child program on `path`; `killAfter` says, from the count told, whether to end
    // it now. The last count told.
    static long long run(const std::string& program, const std::string& path, std::uint32_t seed,
                         const std::function<bool(long long)>& killAfter)
    {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE toldRead = nullptr, toldWrite = nullptr;
        if (!CreatePipe(&toldRead, &toldWrite, &inherited, 0))
            return -1;
        SetHandleInformation(toldRead, HANDLE_FLAG_INHERIT, 0);
        std::wstring line = quoted(program) + L" " + quoted(path) + L" " + std::to_wstring(seed);
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        start.hStdOutput = toldWrite;
        start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION child{};
        const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0,
                                            nullptr, nullptr, &start, &child);
        CloseHandle(toldWrite);
        long long last = 0;
        std::string told;
        char c = 0;
        DWORD got = 0;
        while (started && ReadFile(toldRead, &c, 1, &got, nullptr) && got == 1) {
            if (c != '\n') {
                told += c;
                continue;
            }
            last = std::stoll(told);
            told.clear();
            if (killAfter(last)) {
                TerminateProcess(child.hProcess, 9);  // only the child this test started
                break;
            }
        }
        CloseHandle(toldRead);
        if (started) {
            WaitForSingleObject(child.hProcess, INFINITE);
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
        return last;
    }

    // In the child program: tells `done` on standard output.
    static bool tell(long long done)
    {
        const std::string line = std::to_string(done) + "\n";
        return std::fwrite(line.data(), 1, line.size(), stdout) == line.size()
            && std::fflush(stdout) == 0;
    }

private:
    static std::wstring quoted(const std::string& utf8)
    {
        std::wstring wide;
        files::widePath(utf8, wide);
        return L"\"" + wide + L"\"";
    }
#else
    // Runs the work in a forked child; `killAfter` says, from the count told, whether to end
    // it now. The last count told.
    static long long run(const std::string& path, std::uint32_t seed,
                         const std::function<bool(long long)>& killAfter)
    {
        int told[2];
        if (::pipe(told) != 0)
            return -1;
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(told[0]);
            const int out = told[1];
            std::_Exit(correct(path, seed, [out](long long done) {
                const std::string line = std::to_string(done) + "\n";
                return ::write(out, line.data(), line.size()) == ssize_t(line.size());
            }));
        }
        ::close(told[1]);
        long long last = 0;
        std::FILE* in = ::fdopen(told[0], "r");
        char line[64];
        while (in && std::fgets(line, sizeof line, in)) {
            last = std::stoll(line);
            if (killAfter(last)) {
                ::kill(child, SIGKILL);  // only the child this test started
                break;
            }
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (in)
            std::fclose(in);
        return last;
    }
#endif
};
