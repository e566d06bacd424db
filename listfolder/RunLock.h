#pragma once

#include <files/LockFile.h>
#include <listfolder/FolderLock.h>
#include <status/Status.h>

#include <string>

namespace listfolder {

// One run at a time: every run that writes lists holds this lock from its start to its end,
// so that a second one, from any front end (listgen, vorlane's window or command line, another
// vorlane), is refused in French instead of racing the first. It is two locks: the data
// folder's own (FolderLock), whatever work folder each run uses, and a lock file in the work
// folder, which guards the prepared lexicon and the waiting files of runs that share it (none
// where the work folder cannot hold it). The system drops both
// when their holder ends, however it ends.
class RunLock {
public:
    static constexpr const char* fileName = "fabrication.verrou";

    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Takes the lock without waiting. A failure in French when another run holds it or nothing
    // can be locked.
    status::Status take(const std::string& workDir, const std::string& dataDir);
    void release();
    bool held() const { return folder_.held(); }

private:
    status::Status takeWorkFolder(const std::string& workDir);

    FolderLock folder_;
    files::LockFile workFile_;
};

}  // namespace listfolder
