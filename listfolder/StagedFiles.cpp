#include <listfolder/StagedFiles.h>

#include <listfolder/ExclusiveFile.h>
#include <listfolder/ListFolder.h>

#include <textfile/LineWriter.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace listfolder {

namespace {

bool deviceOf(const std::string& path, dev_t& device)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    device = info.st_dev;
    return true;
}

bool writableFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
        && ::access(path.c_str(), W_OK | X_OK) == 0;
}

// The real place of the data folder (it may be a link), and the folder that holds it.
void realPlace(const std::string& dataDir, std::string& real, std::string& parent)
{
    char buffer[PATH_MAX];
    real = ::realpath(dataDir.c_str(), buffer) ? std::string(buffer) : dataDir;
    const auto slash = real.find_last_of('/');
    parent = slash == std::string::npos ? "." : slash == 0 ? "/" : real.substr(0, slash);
}

// One waiting folder a data folder: the second names kept by a run cut short on one data
// folder wait there until its journal is repaired, whatever other folder the work folder serves.
std::string waitingFolderName(const std::string& realData)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : realData)
        hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(StagedFiles::workFolderName) + "-" + hex;
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

bool StagedFiles::open()
{
    error_.clear();
    notes_.clear();
    if (!chooseFolder() || !lock())
        return false;
    recover();
    if (SwitchJournal(dataDir_).exists()) {
        // a switch that could not be undone: a new one would lose what its journal keeps
        error_ = notes_.empty() ? dataDir_ + " est à moitié remplacé" : notes_.back();
        return false;
    }
    clearFolder();
    return true;
}

// The work folder when a rename from it into the data folder stays on one file system;
// otherwise a hidden folder beside the data folder.
bool StagedFiles::chooseFolder()
{
    dev_t data = 0;
    if (!deviceOf(dataDir_, data)) {
        error_ = dataDir_ + " : " + ExclusiveFile::reason(errno);
        return false;
    }
    std::string real;
    std::string parent;
    realPlace(dataDir_, real, parent);
    dev_t work = 0;
    if (!workDir_.empty()) {
        ::mkdir(workDir_.c_str(), 0777);
        std::string realWork;
        std::string unused;
        realPlace(workDir_, realWork, unused);
        // never inside the data folder, even when the work folder is given there
        const bool inData = (realWork + "/").compare(0, real.size() + 1, real + "/") == 0;
        if (!inData && deviceOf(workDir_, work) && work == data && writableFolder(workDir_)) {
            folder_ = workDir_ + "/" + waitingFolderName(real);
            return true;
        }
    }
    dev_t beside = 0;
    if (deviceOf(parent, beside) && beside == data && writableFolder(parent)) {
        folder_ = (parent == "/" ? "" : parent) + "/." + real.substr(real.find_last_of('/') + 1)
            + ".listgen-attente";
        return true;
    }
    error_ = "aucun dossier ne peut recevoir les fichiers en attente sur le système de fichiers "
             "de "
        + dataDir_ + " (ni " + (workDir_.empty() ? std::string("le dossier de travail") : workDir_)
        + ", ni " + parent + ")";
    return false;
}

bool StagedFiles::lock()
{
    if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) {
        error_ = folder_ + " : " + ExclusiveFile::reason(errno);
        return false;
    }
    lockFd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (lockFd_ < 0) {
        error_ = folder_ + " : " + ExclusiveFile::reason(errno);
        return false;
    }
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        error_ = "une autre fabrication de listes est en cours (" + folder_ + " est pris)";
        ::close(lockFd_);
        lockFd_ = -1;
        return false;
    }
    return true;
}

void StagedFiles::recover()
{
    const auto repaired = SwitchJournal(dataDir_).repair();
    notes_.insert(notes_.end(), repaired.begin(), repaired.end());
}

void StagedFiles::clearFolder()
{
    DIR* folder = ::opendir(folder_.c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            ::unlink((folder_ + "/" + name).c_str());
    }
    ::closedir(folder);
}

bool StagedFiles::write(const std::string& name, const std::vector<std::string>& lines)
{
    Staged staged{name, false, {}, {}};
    struct stat old {};
    unsigned mode = 0666;
    if (::lstat(target(name).c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        staged.replaces = true;
        mode = old.st_mode & 07777;
    }
    const std::string path = waiting(name);
    ExclusiveFile file(path);
    bool ok = file.isOpen() && (!staged.replaces || file.setMode(mode));
    if (ok && !step("écriture " + name)) {
        error_ = path + " : " + ExclusiveFile::reason(ENOSPC);
        std::remove(path.c_str());
        return false;
    }
    if (ok) {
        textfile::LineWriter writer(file);
        for (const auto& line : lines)
            writer.write(line);
        ok = writer.flush();
    }
    ok = file.close() && ok;
    struct stat written {};
    if (ok && ::lstat(path.c_str(), &written) == 0) {
        staged.put = SwitchJournal::Identity::of(path);
        staged_.push_back(staged);
        return true;
    }
    error_ =
        file.errorText().empty() ? path + " : " + ExclusiveFile::reason(errno) : file.errorText();
    std::remove(path.c_str());
    return false;
}

bool StagedFiles::step(const std::string& description)
{
    if (!allowStep || allowStep(description))
        return true;
    errno = ENOSPC;
    return false;
}

bool StagedFiles::commit()
{
    error_.clear();
    std::size_t switched = 0;
    if (!keepOldFiles() || !writeJournal() || !switchFiles(switched)) {
        undo(switched);
        return false;
    }
    SwitchJournal(dataDir_).remove();
    clearFolder();
    staged_.clear();
    return true;
}

// Each file to be replaced gets a second name in the waiting folder; the folder is checked
// once more, since someone may have put a link or protected a file since the plan.
bool StagedFiles::keepOldFiles()
{
    for (auto& staged : staged_) {
        const std::string place = target(staged.name);
        struct stat info {};
        const bool there = ::lstat(place.c_str(), &info) == 0;
        const std::string why = ListFolder::protection(place);
        if (!why.empty() || there != staged.replaces) {
            error_ = place + " : " + (why.empty() ? "il a changé pendant la fabrication" : why);
            return false;
        }
        staged.old = SwitchJournal::Identity::of(place);
        if (staged.replaces
            && (!step("lien " + staged.name)
                || ::link(place.c_str(), kept(staged.name).c_str()) != 0)) {
            error_ = place + " : sa copie de secours ne peut pas être faite ("
                + ExclusiveFile::reason(errno) + ")";
            return false;
        }
    }
    return true;
}

bool StagedFiles::writeJournal()
{
    if (!step("journal")) {
        error_ = dataDir_ + "/" + SwitchJournal::fileName + " : " + ExclusiveFile::reason(errno);
        return false;
    }
    // the real path: the run that undoes this one may start from another folder
    std::string real;
    std::string parent;
    realPlace(folder_, real, parent);
    std::vector<SwitchJournal::Entry> entries;
    for (const auto& staged : staged_)
        entries.push_back({staged.name, staged.replaces, staged.put, staged.old});
    return SwitchJournal(dataDir_).write(real, entries, error_);
}

bool StagedFiles::switchFiles(std::size_t& switched)
{
    for (switched = 0; switched < staged_.size(); ++switched) {
        const auto& staged = staged_[switched];
        const std::string place = target(staged.name);
        if (!step("remplacement " + staged.name)
            || std::rename(waiting(staged.name).c_str(), place.c_str()) != 0) {
            error_ = place + " : " + ExclusiveFile::reason(errno);
            return false;
        }
    }
    return true;
}

// Puts the data folder back as it was: the kept files under their names, the new files gone.
void StagedFiles::undo(std::size_t switched)
{
    bool undone = true;
    for (std::size_t i = switched; i-- > 0;) {
        const auto& staged = staged_[i];
        const std::string place = target(staged.name);
        const bool ok = staged.replaces ? std::rename(kept(staged.name).c_str(), place.c_str()) == 0
                                        : std::remove(place.c_str()) == 0;
        undone = undone && ok;
    }
    if (!undone) {
        error_ += " ; la remise en place sera achevée au prochain lancement";
        return;  // the journal stays for recover()
    }
    SwitchJournal(dataDir_).remove();
    discard();
}

void StagedFiles::discard()
{
    if (lockFd_ >= 0)
        clearFolder();
    staged_.clear();
}

void StagedFiles::close()
{
    if (lockFd_ < 0)
        return;
    // a journal left means a switch to undo: its second names wait here
    if (!SwitchJournal(dataDir_).exists()) {
        discard();
        ::rmdir(folder_.c_str());
    }
    ::close(lockFd_);
    lockFd_ = -1;
}

}  // namespace listfolder
