#pragma once

#include <files/LockFile.h>
#include <status/Status.h>

#include <string>

namespace listfolder {

// The lock of one lists folder, whoever writes it and whatever work folder it uses: a lock
// file beside the folder (".data.verrou" for ".../data"), so that it outlives the folder being
// made, put aside or brought back. Whoever holds it writes in it what runs ("fabrication de
// listes par vorlane, processus 1234"), for the refusal of the next one. Where nothing can be
// written beside the folder, the folder itself is locked. A lock file is taken only as the
// program makes it: never through a symbolic link, and refused when it has other names (a
// hard link), since writing in it would change another file. The system drops the lock when its
// holder ends, however it ends.
class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock file of `dataDir`.
    static std::string placeOf(const std::string& dataDir);
    // Takes the lock without waiting; `activity` names the work in French ("fabrication de
    // listes"). A failure in French naming what holds it.
    status::Status take(const std::string& dataDir, const std::string& activity);
    void release();
    bool held() const { return file_.isOpen(); }

private:
    void tellHolder(const std::string& activity);

    files::LockFile file_;
};

}  // namespace listfolder
