#pragma once

#include <files/NewFile.h>

#include <cstddef>
#include <string>

namespace files {

// The new content of a file, written beside it under a name of its own (a NewFile: nothing is
// written through a name that was there) and put in its place whole, or not at all: synced,
// then renamed over the old one in one step (replaceFile), the folder synced after. Until
// commit() the file keeps its old content; an AsideFile dropped uncommitted leaves nothing
// behind. Errors are errno's numbers.
class AsideFile {
public:
    AsideFile() = default;
    ~AsideFile();
    AsideFile(const AsideFile&) = delete;
    AsideFile& operator=(const AsideFile&) = delete;

    // Creates the file beside `target` (UTF-8): `target` + `suffix` when a suffix is given (a
    // leftover of a run cut short under that name is removed first), else a name of its own
    // made of `target` and six random letters. `mode` as for NewFile.
    int open(const std::string& target, const std::string& suffix = {}, unsigned mode = 0666);
    bool isOpen() const { return file_.isOpen(); }
    // The name it is written under until commit().
    const std::string& path() const { return path_; }
    const std::string& target() const { return target_; }
    int write(const char* data, std::size_t size);
    // Gives it the permission bits `mode` (those of the file it replaces).
    int setMode(unsigned mode);
    // Makes every byte written reach the disk; commit() does it too.
    int sync();
    // Syncs, closes and puts it in the place of its target; else removes it, and the target
    // is as it was.
    int commit();
    // Removes it; the target is as it was.
    void discard();
    // Syncs and closes it, leaving it under path() for a FileSwitch that puts several files in
    // place together; discard() still removes it.
    int finish();
    // Its file has been put in its target's place by someone else: nothing is left to remove.
    void placed() { path_.clear(); }

private:
    NewFile file_;
    std::string target_;
    std::string path_;
    bool synced_ = false;
};

}  // namespace files
