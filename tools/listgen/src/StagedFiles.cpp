#include <tools/listgen/src/StagedFiles.h>

#include <tools/listgen/src/ExclusiveFile.h>
#include <tools/listgen/src/FileBytes.h>
#include <tools/listgen/src/ListFolder.h>

#include <textfile/LineWriter.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace listgen {

namespace {

const char* const journalName = "journal";

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

void syncFolder(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The real place of the data folder (it may be a link), and the folder that holds it.
void realPlace(const std::string& dataDir, std::string& real, std::string& parent)
{
    char buffer[PATH_MAX];
    real = ::realpath(dataDir.c_str(), buffer) ? std::string(buffer) : dataDir;
    const auto slash = real.find_last_of('/');
    parent = slash == std::string::npos ? "." : slash == 0 ? "/" : real.substr(0, slash);
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
            folder_ = workDir_ + "/" + workFolderName;
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

// A run cut short while switching left its journal: the old files go back in place and the
// new ones that had already taken a new name are removed.
void StagedFiles::recover()
{
    const std::string journal = folder_ + "/" + journalName;
    std::string text;
    std::string error;
    if (!FileBytes::read(journal, 1 << 20, text, error))
        return;
    std::istringstream lines(text);
    std::string kind;
    std::string dataDir = dataDir_;
    std::string name;
    unsigned long long inode = 0;
    while (lines >> kind) {
        if (kind == "dossier") {
            std::getline(lines >> std::ws, dataDir);
            continue;
        }
        if (!(lines >> name >> inode) || name.find('/') != std::string::npos)
            break;
        const std::string place = dataDir + "/" + name;
        struct stat info {};
        if (kind == "remplace" && ::lstat(kept(name).c_str(), &info) == 0)
            std::rename(kept(name).c_str(), place.c_str());
        else if (kind == "ajoute" && ::lstat(place.c_str(), &info) == 0 && info.st_ino == inode)
            std::remove(place.c_str());
    }
    syncFolder(dataDir);
    notes_.push_back("une fabrication interrompue a été défaite : les fichiers de " + dataDir
                     + " sont ceux d'avant elle");
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
    Staged staged{name, false, 0};
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
        staged.inode = written.st_ino;
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
    syncFolder(dataDir_);
    std::remove((folder_ + "/" + journalName).c_str());
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
    // the real path: the run that undoes this one may start from another folder
    std::string real;
    std::string parent;
    realPlace(dataDir_, real, parent);
    std::string text = "dossier " + real + "\n";
    for (const auto& staged : staged_)
        text += std::string(staged.replaces ? "remplace " : "ajoute ") + staged.name + " "
            + std::to_string(staged.inode) + "\n";
    const std::string part = folder_ + "/" + journalName + ".part";
    ExclusiveFile file(part, 0600);
    const bool written = step("journal") && file.write(text.data(), text.size()) && file.close();
    if (!written || std::rename(part.c_str(), (folder_ + "/" + journalName).c_str()) != 0) {
        error_ = file.errorText().empty() ? part + " : " + ExclusiveFile::reason(errno)
                                          : file.errorText();
        std::remove(part.c_str());
        return false;
    }
    syncFolder(folder_);
    return true;
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
    syncFolder(dataDir_);
    std::remove((folder_ + "/" + journalName).c_str());
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
    struct stat info {};
    if (::lstat((folder_ + "/" + journalName).c_str(), &info) != 0) {
        discard();
        ::rmdir(folder_.c_str());
    }
    ::close(lockFd_);
    lockFd_ = -1;
}

}  // namespace listgen
