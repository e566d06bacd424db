#pragma once

#include <study/ProgressBook.h>
#include <study/StudyRecord.h>
#include <testsupport/ChildProcess.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

// A program that corrects series into a study record without end and tells each correction
// once committed ("12" after its 12th), so that a test kills it at a point of its writing it
// does not choose: the kill comes while the child goes on with the next correction
// (testsupport::ChildProcess, free-running; on Windows the child is the program study_kill_child).
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
        long long last = 0;
        const bool started = testsupport::ChildProcess::run(
            {program, path, std::to_string(seed)}, testsupport::ChildProcess::Pace::freeRunning,
            counted(last, killAfter));
        return started ? last : -1;
    }

    // In the child program: tells `done` on standard output.
    static bool tell(long long done)
    {
        return testsupport::ChildProcess::tell(std::to_string(done),
                                               testsupport::ChildProcess::Pace::freeRunning);
    }
#else
    // Runs the work in a forked child; `killAfter` says, from the count told, whether to end
    // it now. The last count told.
    static long long run(const std::string& path, std::uint32_t seed,
                         const std::function<bool(long long)>& killAfter)
    {
        long long last = 0;
        const bool started = testsupport::ChildProcess::run(
            [&path, seed](const testsupport::ChildProcess::Tell& tell) {
                return correct(path, seed,
                               [&tell](long long done) { return tell(std::to_string(done)); });
            },
            testsupport::ChildProcess::Pace::freeRunning, counted(last, killAfter));
        return started ? last : -1;
    }
#endif

private:
    // Keeps the count told in `last` and asks `killAfter` about it.
    static testsupport::ChildProcess::KillHere
    counted(long long& last, const std::function<bool(long long)>& killAfter)
    {
        return [&last, &killAfter](const std::string& line) {
            last = std::stoll(line);
            return killAfter(last);
        };
    }
};
