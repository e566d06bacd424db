#include <files/FileSwitch.h>

#include <files/CopyFile.h>
#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/RandomLetters.h>
#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <cerrno>
#include <set>

namespace files {

namespace {

// What a volume without hard links answers: Linux's vfat EPERM, Windows' FAT "not supported".
bool noLinksThere(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS;
}

std::string folderOf(const std::string& path)
{
    const std::string folder = toUtf8(fromUtf8(path).parent_path());
    return folder.empty() ? "." : folder;
}

}  // namespace

void FileSwitch::add(const std::string& from, const std::string& to, const std::string& kept,
                     const std::string& label)
{
    moves_.push_back({from, to, kept, label});
}

int FileSwitch::step(const std::string& description) const
{
    return stepError ? stepError(description) : 0;
}

int FileSwitch::keepOld()
{
    for (failed_ = 0; failed_ < moves_.size(); ++failed_)
        if (const int error = keep(moves_[failed_]))
            return error;
    return 0;
}

int FileSwitch::keep(Move& move) const
{
    FileFacts facts;
    const int missing = factsOf(move.to, facts, false);
    if (missing == ENOENT)
        return 0;  // nothing in the place: nothing to keep
    if (missing != 0)
        return missing;
    // a name drawn again when someone took it: nothing is written through a name that was there
    const bool drawn = move.kept.empty();
    for (int tries = 0;; ++tries) {
        if (drawn)
            move.kept = move.to + ".ancien-" + randomLetters();
        const int error = secondName(move);
        if (error == 0) {
            move.keeps = true;
            return 0;
        }
        if (!drawn || error != EEXIST || tries == 99) {
            if (drawn)
                move.kept.clear();
            return error;
        }
    }
}

int FileSwitch::secondName(Move& move) const
{
    int error = step("lien " + move.label);
    if (error == 0)
        error = hardLink(move.to, move.kept);
    return error != 0 && copyWhereNoLinks && noLinksThere(error) ? copyFile(move.to, move.kept)
                                                                 : error;
}

int FileSwitch::switchIn()
{
    for (switched_ = 0; switched_ < moves_.size(); ++switched_) {
        const Move& move = moves_[switched_];
        failed_ = switched_;
        int error = step((move.from.empty() ? "retrait " : "remplacement ") + move.label);
        if (error == 0 && !move.from.empty())
            error = replaceFile(move.from, move.to);
        else if (error == 0 && move.keeps)
            error = removeFile(move.to);
        if (error != 0)
            return error;
    }
    syncPlaces();
    return 0;
}

int FileSwitch::putBack()
{
    int first = 0;
    for (std::size_t i = switched_; i-- > 0;) {
        Move& move = moves_[i];
        int error = 0;
        if (move.keeps)
            error = replaceFile(move.kept, move.to);
        else if (!move.from.empty())
            error = removeFile(move.to);
        if (error == 0) {
            move.keeps = false;  // the second name is its place's name again
        } else {
            move.stranded = true;
            failed_ = first == 0 ? i : failed_;
            first = first == 0 ? error : first;
        }
    }
    switched_ = 0;
    syncPlaces();
    return first;
}

void FileSwitch::removeKept()
{
    for (auto& move : moves_) {
        if (!move.keeps || move.stranded)
            continue;
        removeFile(move.kept);
        move.keeps = false;
    }
}

void FileSwitch::syncPlaces() const
{
    std::set<std::string> folders;
    for (const auto& move : moves_)
        folders.insert(folderOf(move.to));
    for (const auto& folder : folders)
        syncFolder(folder);
}

}  // namespace files
