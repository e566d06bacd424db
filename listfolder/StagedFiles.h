#pragma once

#include <files/FileSwitch.h>
#include <files/LockFile.h>
#include <listfolder/SwitchJournal.h>
#include <status/Status.h>

#include <functional>
#include <string>
#include <vector>

namespace listfolder {

// The new files of a run, written aside and then switched into the data folder all together:
// either every one of them takes its place, or every file the folder had stays as it was.
//
// They wait in a folder of their own, never in the data folder (WaitingFolder): in the work
// folder (one waiting folder for each data folder) when a rename from it into the data folder
// works (it is then atomic), otherwise in a hidden folder beside the data folder; a file
// system mounted twice (a bind mount) gives one device but no rename between the two. Each is
// created new (ExclusiveFile), so nothing is written through a name or a link that was there. To
// switch, each file to be replaced is first kept under a second name (a hard link) in the waiting
// folder and a journal is written in the data folder (SwitchJournal); the new files are then
// renamed into place (files::FileSwitch, which the workshop's outputs go through too). A
// failure puts the old files back; a run cut short while switching is
// undone from its journal by the next one that opens the data folder, whatever its work
// folder. The waiting folder is locked while a run uses it, and emptied of any leftover when a
// run takes it. The caller holds the data folder's lock (FolderLock).
class StagedFiles {
public:
    static constexpr const char* workFolderName = "listes-en-attente";

    StagedFiles(std::string dataDir, std::string workDir);
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Chooses the waiting folder, locks it, undoes a run cut short while switching
    // (SwitchJournal::repair) and removes its leftovers. A failure in French, also when a switch
    // cut short could not be undone.
    status::Status open();
    const std::string& folder() const { return folder_; }
    // What open() found and put right, in French (empty when nothing).
    const std::vector<std::string>& notes() const { return notes_; }

    // Writes one file aside: the lines, each followed by CR LF, as they are (Windows-1252).
    // A file that will replace one of the data folder gets its permission bits. A failure in
    // French naming the file.
    status::Status write(const std::string& name, const std::vector<std::string>& lines);
    // Takes the file `from` as it is (a second name for it, or a copy) to put under `name`.
    status::Status take(const std::string& name, const std::string& from);
    // The file `name` of the data folder goes out of it with the switch (nothing when there
    // is none); the caller keeps it elsewhere.
    status::Status remove(const std::string& name);
    // Switches every written file into the data folder. A failure in French when any step
    // failed: the data folder is then as it was.
    status::Status commit();
    // Forgets every written file (a cancelled or failed run).
    void discard();

    // For tests: asked before each step, with its description ("écriture NAME", "lien NAME",
    // "journal", "remplacement NAME", "retrait NAME"); false makes the step fail as a full
    // disk would.
    std::function<bool(const std::string& step)> allowStep;

private:
    struct Staged {
        std::string name;
        bool replaces = false;
        bool removes = false;
        SwitchJournal::Identity put;
        SwitchJournal::Identity old;
    };

    status::Status chooseFolders(std::vector<std::string>& places) const;
    status::Status lock();
    void recover();
    void clearFolder();
    bool step(const std::string& description);
    status::Status keepOldFiles();
    status::Status writeJournal();
    status::Status switchFiles();
    // Gives back `failed`, told when the folder could not be put back whole.
    status::Status undo(const status::Status& failed);
    bool replacesOne(const std::string& name, unsigned& mode) const;
    void close();
    std::string waiting(const std::string& name) const { return folder_ + "/" + name + ".part"; }
    std::string kept(const std::string& name) const { return folder_ + "/" + name + ".ancien"; }
    std::string target(const std::string& name) const { return dataDir_ + "/" + name; }

    std::string dataDir_;
    std::string workDir_;
    std::string folder_;
    files::LockFile lock_;  // the waiting folder's
    std::vector<Staged> staged_;
    files::FileSwitch switch_;
    std::vector<std::string> notes_;
};

}  // namespace listfolder
