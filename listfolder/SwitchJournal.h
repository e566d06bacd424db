#pragma once

#include <status/Status.h>

#include <cstdint>
#include <string>
#include <vector>

namespace listfolder {

// The journal of a switch of new files into a lists folder, kept in that folder (whatever work
// folder the run used), so that whoever next writes or reads the folder finds it. It names the
// folder where the replaced files wait under a second name, and what the switch puts in place:
// for each file, the identity (files::FileIdentity) and size of the new file and of the one it
// replaces.
//
// The journal is taken only as a switch writes it: one that is no plain file (a folder, a link,
// a pipe) is set aside under another name, and one whose waiting folder is not the folder's
// own is given up, so that no file is taken from elsewhere into the folder.
//
// A repair undoes a switch cut short only when every file of the folder is still either the
// old one or exactly the new one the cut run put there; when anything changed since (a later
// import, a file put by hand), the journal is given up and nothing is touched.
class SwitchJournal {
public:
    static constexpr const char* fileName = ".remplacement-en-cours";

    struct Identity {
        std::uint64_t device = 0;  // or the volume's serial number
        std::uint64_t inode = 0;   // or the file index
        std::uint64_t size = 0;
        bool there = false;

        static Identity of(const std::string& path);
        bool operator==(const Identity& other) const;
    };

    struct Entry {
        std::string name;
        bool replaces = false;
        Identity put;          // the new file; none when the switch takes the file out (removes)
        Identity old;          // the file it replaces (replaces only)
        bool removes = false;  // the old file goes out and nothing takes its place
    };

    explicit SwitchJournal(std::string dataDir);

    bool exists() const;
    // Written whole (under another name, then renamed) and synced; a failure in French naming
    // the file and the system's reason.
    status::Status write(const std::string& keptFolder, const std::vector<Entry>& entries) const;
    void remove() const;

    // Under the folder's lock: undoes a switch cut short. What it did, in French; empty when
    // there was nothing to put back.
    std::vector<std::string> repair() const;
    // For a start that may not write the folder: which lists a cut switch left new, in French;
    // empty when the folder is whole.
    std::string halfReplaced() const;

private:
    enum class State { pending, switched, changed };

    // A failure in French when the journal is no plain file, cannot be read, or names a
    // waiting folder that is not one of the folder's own (WaitingFolder).
    status::Status read(std::string& keptFolder, std::vector<Entry>& entries) const;
    std::string kindWord() const;
    std::string setAside(const std::string& kind) const;
    State stateOf(const std::string& keptFolder, const Entry& entry) const;
    std::string path() const { return dataDir_ + "/" + fileName; }

    std::string dataDir_;
};

}  // namespace listfolder
