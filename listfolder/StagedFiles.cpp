#include <listfolder/StagedFiles.h>

#include <listfolder/ExclusiveFile.h>
#include <listfolder/FileBytes.h>
#include <listfolder/ListFolder.h>
#include <listfolder/WaitingFolder.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/Replace.h>
#include <files/ShownPath.h>
#include <files/Utf8Path.h>
#include <textfile/FileFailure.h>
#include <textfile/LineWriter.h>
#include <textfile/SystemReason.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace listfolder {

namespace {

// The volume of `path`; 0, otherwise errno's number.
int volumeOf(const std::string& path, std::uint64_t& volume)
{
    files::FileFacts facts;
    const int error = files::factsOf(path, facts);
    volume = facts.identity.volume;
    return error;
}

bool writableFolder(const std::string& path)
{
    files::FileFacts facts;
    return files::factsOf(path, facts) == 0 && facts.kind == files::FileFacts::Kind::folder
        && files::mayWrite(path) == 0;
}

// The real place of the data folder (it may be a link), and the folder that holds it.
void realPlace(const std::string& dataDir, std::string& real, std::string& parent)
{
    if (files::realPath(dataDir, real) != 0)
        real = dataDir;
    const auto slash = real.find_last_of('/');
    parent = slash == std::string::npos ? "." : slash == 0 ? "/" : real.substr(0, slash);
}

// Whether a file of `folder` can be renamed into `dataDir`, tried with a file of the run's own:
// one file system may be mounted twice (a bind mount), and a rename between two mounts fails
// even on one device (EXDEV). 0, otherwise errno's number.
int renameReaches(const std::string& folder, const std::string& dataDir)
{
    const std::string probe = folder + "/essai-de-renommage";
    const std::string there = dataDir + "/.essai-de-renommage";
    files::removeFile(probe);
    {
        ExclusiveFile file(probe, 0600);
        if (!file.isOpen() || !file.close())
            return file.errorNumber() ? file.errorNumber() : EIO;
    }
    const int error = files::replaceFile(probe, there);
    files::removeFile(error == 0 ? there : probe);
    return error;
}

}  // namespace

StagedFiles::StagedFiles(std::string dataDir, std::string workDir)
    : dataDir_(std::move(dataDir)), workDir_(std::move(workDir))
{
}

StagedFiles::~StagedFiles()
{
    close();
}

status::Status StagedFiles::open()
{
    notes_.clear();
    std::vector<std::string> places;
    if (auto chosen = chooseFolders(places); !chosen)
        return chosen;
    for (std::size_t i = 0; i < places.size(); ++i) {
        folder_ = places[i];
        if (auto locked = lock(); !locked)
            return locked;
        if (i + 1 == places.size() || renameReaches(folder_, dataDir_) != EXDEV)
            break;
        // the next place, beside the data folder: this one is left as it was found
        lock_.close();
        files::removeFolder(folder_);
    }
    recover();
    if (SwitchJournal(dataDir_).exists()) {
        // a switch that could not be undone: a new one would lose what its journal keeps
        return status::Status::failure(
            notes_.empty() ? files::shownPath(dataDir_) + " est à moitié remplacé" : notes_.back());
    }
    clearFolder();
    return {};
}

// The places a rename into the data folder may come from, best first: the work folder when it
// lies on the data folder's file system, then a hidden folder beside the data folder.
status::Status StagedFiles::chooseFolders(std::vector<std::string>& places) const
{
    std::uint64_t data = 0;
    if (const int error = volumeOf(dataDir_, data))
        return textfile::fromErrno(dataDir_, error);
    std::string real;
    std::string parent;
    realPlace(dataDir_, real, parent);
    std::uint64_t work = 0;
    if (!workDir_.empty()) {
        files::makeFolder(workDir_);
        std::string realWork;
        std::string unused;
        realPlace(workDir_, realWork, unused);
        // never inside the data folder, even when the work folder is given there
        const bool inData = (realWork + "/").compare(0, real.size() + 1, real + "/") == 0;
        if (!inData && volumeOf(workDir_, work) == 0 && work == data && writableFolder(workDir_))
            places.push_back(WaitingFolder::inWorkFolder(workDir_, real));
    }
    std::uint64_t beside = 0;
    if (volumeOf(parent, beside) == 0 && beside == data && writableFolder(parent))
        places.push_back(WaitingFolder::beside(real));
    if (!places.empty())
        return {};
    return status::Status::failure(
        "aucun dossier ne peut recevoir les fichiers en attente sur le système de fichiers de "
        + files::shownPath(dataDir_) + " (ni "
        + (workDir_.empty() ? std::string("le dossier de travail") : files::shownPath(workDir_))
        + ", ni " + parent + ")");
}

status::Status StagedFiles::lock()
{
    int error = files::makeFolder(folder_, 0700);
    if (error == 0 || error == EEXIST)
        error = lock_.openFolder(folder_, false);
    if (error != 0)
        return textfile::fromErrno(folder_, error);
    if (lock_.tryLock() != 0) {
        lock_.close();
        return status::Status::failure("une autre fabrication de listes est en cours ("
                                       + files::shownPath(folder_) + " est pris)");
    }
    return {};
}

void StagedFiles::recover()
{
    const auto repaired = SwitchJournal(dataDir_).repair();
    notes_.insert(notes_.end(), repaired.begin(), repaired.end());
}

void StagedFiles::clearFolder()
{
    std::error_code ignored;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(files::fromUtf8(folder_), ignored))
        names.push_back(files::toUtf8(entry.path().filename()));
    for (const auto& name : names)
        files::removeFile(folder_ + "/" + name);
}

// Whether `name` of the data folder is a file a new one replaces, and its permission bits.
bool StagedFiles::replacesOne(const std::string& name, unsigned& mode) const
{
    files::FileFacts old;
    if (files::factsOf(target(name), old, false) != 0
        || old.kind != files::FileFacts::Kind::regular)
        return false;
    mode = old.mode;
    return true;
}

status::Status StagedFiles::write(const std::string& name, const std::vector<std::string>& lines)
{
    Staged staged{name, false, false, {}, {}};
    unsigned mode = 0666;
    staged.replaces = replacesOne(name, mode);
    const std::string path = waiting(name);
    ExclusiveFile file(path);
    bool ok = file.isOpen() && (!staged.replaces || file.setMode(mode));
    if (ok && !step("écriture " + name)) {
        files::removeFile(path);
        return textfile::fromErrno(path, ENOSPC);
    }
    if (ok) {
        textfile::LineWriter writer(file);
        for (const auto& line : lines)
            writer.write(line);
        ok = writer.flush();
    }
    ok = file.close() && ok;
    files::FileFacts written;
    const int error = ok ? files::factsOf(path, written, false) : file.errorNumber();
    if (ok && error == 0) {
        staged.put = SwitchJournal::Identity::of(path);
        staged_.push_back(staged);
        return {};
    }
    std::string why = file.errorText().empty()
        ? textfile::failureText(path, textfile::systemReason(error ? error : EIO))
        : file.errorText();
    files::removeFile(path);
    return status::Status::failure(std::move(why));
}

status::Status StagedFiles::take(const std::string& name, const std::string& from)
{
    Staged staged{name, false, false, {}, {}};
    unsigned mode = 0666;
    staged.replaces = replacesOne(name, mode);
    const std::string path = waiting(name);
    int error = step("écriture " + name) ? files::hardLink(from, path) : ENOSPC;
    if (error != 0 && error != ENOSPC) {
        // another volume, or none of hard links: a copy of its bytes
        const auto bytes = FileBytes::read(from, std::size_t(1) << 30);
        if (!bytes)
            return status::Status::failure(bytes.why());
        ExclusiveFile file(path);
        error = file.write(bytes->data(), bytes->size()) && file.close()
            ? 0
            : (file.errorNumber() != 0 ? file.errorNumber() : EIO);
        if (error != 0)
            files::removeFile(path);
    }
    if (error != 0)
        return status::Status::failure(
            from + " ne peut pas être mis en attente dans "
            + textfile::failureText(path, textfile::systemReason(error)));
    staged.put = SwitchJournal::Identity::of(path);
    staged_.push_back(staged);
    return {};
}

status::Status StagedFiles::remove(const std::string& name)
{
    unsigned mode = 0;
    if (replacesOne(name, mode))
        staged_.push_back({name, true, true, {}, {}});
    return {};
}

bool StagedFiles::step(const std::string& description)
{
    return !allowStep || allowStep(description);
}

status::Status StagedFiles::commit()
{
    status::Status done = keepOldFiles();
    if (done)
        done = writeJournal();
    if (done)
        done = switchFiles();
    if (!done)
        return undo(done);
    SwitchJournal(dataDir_).remove();
    clearFolder();
    staged_.clear();
    return {};
}

// Each file to be replaced gets a second name in the waiting folder; the folder is checked
// once more, since someone may have put a link or protected a file since the plan.
status::Status StagedFiles::keepOldFiles()
{
    switch_ = files::FileSwitch();
    switch_.stepError = [this](const std::string& description) {
        return step(description) ? 0 : ENOSPC;
    };
    for (auto& staged : staged_) {
        const std::string place = target(staged.name);
        files::FileFacts facts;
        const bool there = files::factsOf(place, facts, false) == 0;
        const std::string why = ListFolder::protection(place);
        if (!why.empty() || there != staged.replaces)
            return textfile::failureAt(place,
                                       why.empty() ? "il a changé pendant la fabrication" : why);
        staged.old = SwitchJournal::Identity::of(place);
        switch_.add(staged.removes ? std::string() : waiting(staged.name), place, kept(staged.name),
                    staged.name);
    }
    if (const int error = switch_.keepOld())
        return status::Status::failure(files::shownPath(switch_.failed().to)
                                       + " : sa copie de secours ne peut pas être faite ("
                                       + textfile::systemReason(error) + ")");
    return {};
}

status::Status StagedFiles::writeJournal()
{
    if (!step("journal"))
        return textfile::fromErrno(dataDir_ + "/" + SwitchJournal::fileName, ENOSPC);
    // the real path: the run that undoes this one may start from another folder
    std::string real;
    std::string parent;
    realPlace(folder_, real, parent);
    std::vector<SwitchJournal::Entry> entries;
    for (const auto& staged : staged_)
        entries.push_back({staged.name, staged.replaces, staged.put, staged.old, staged.removes});
    return SwitchJournal(dataDir_).write(real, entries);
}

status::Status StagedFiles::switchFiles()
{
    if (const int error = switch_.switchIn())
        return textfile::fromErrno(switch_.failed().to, error);
    return {};
}

// Puts the data folder back as it was: the kept files under their names, the new files gone.
status::Status StagedFiles::undo(const status::Status& failed)
{
    if (switch_.putBack() != 0) {
        // the journal stays for recover()
        return status::Status::failure(
            failed.why() + " ; la remise en place sera achevée au prochain lancement");
    }
    SwitchJournal(dataDir_).remove();
    discard();
    return failed;
}

void StagedFiles::discard()
{
    if (lock_.isOpen())
        clearFolder();
    staged_.clear();
}

void StagedFiles::close()
{
    if (!lock_.isOpen())
        return;
    // a journal left means a switch to undo: its second names wait here
    if (!SwitchJournal(dataDir_).exists()) {
        discard();
        files::removeFolder(folder_);
    }
    lock_.close();
}

}  // namespace listfolder
