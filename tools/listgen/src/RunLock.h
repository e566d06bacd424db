#pragma once

#include <string>

namespace listgen {

// One run at a time: every run that writes lists holds this lock from its start to its end,
// so that a second one, from any front end (listgen, vorlane's window or command line, another
// vorlane), is refused in French instead of racing the first over the prepared lexicon, the
// waiting files and the data folder. It is a lock file in the work folder that they share
// (never in the data folder); where the work folder cannot hold it, the data folder itself is
// locked. The system drops the lock when its holder ends, however it ends.
class RunLock {
public:
    static constexpr const char* fileName = "fabrication.verrou";

    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Takes the lock without waiting. False, with `error` in French, when another run holds it
    // or nothing can be locked.
    bool take(const std::string& workDir, const std::string& dataDir, std::string& error);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace listgen
