#include <listfolder/FolderLock.h>

#include <listfolder/ExclusiveFile.h>
#include <textfile/SystemReason.h>

#include <files/FileSystem.h>
#include <files/Process.h>
#include <files/ShownPath.h>
#include <files/Utf8Path.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace listfolder {

namespace {

std::string realPath(const std::string& path)
{
    std::string real;
    return files::realPath(path, real) == 0 ? real : std::string();
}

// The folder's own place (it may be a link, or lie under one), the same before it is made
// and after: else its path made absolute.
fs::path realPlace(const std::string& dataDir)
{
    std::error_code ignored;
    fs::path lexical = fs::absolute(files::fromUtf8(dataDir), ignored).lexically_normal();
    if (lexical.filename().empty())
        lexical = lexical.parent_path();
    if (const std::string real = realPath(dataDir); !real.empty())
        return files::fromUtf8(real);
    if (const std::string parent = realPath(files::toUtf8(lexical.parent_path())); !parent.empty())
        return files::fromUtf8(parent) / lexical.filename();
    return lexical;
}

std::string holderOf(const files::LockFile& file)
{
    std::string holder = file.text(255);
    while (!holder.empty() && (holder.back() == '\n' || holder.back() == '\0'))
        holder.pop_back();
    return holder;  // empty in the instant before the holder has written what it does
}

}  // namespace

FolderLock::~FolderLock()
{
    release();
}

std::string FolderLock::placeOf(const std::string& dataDir)
{
    const fs::path real = realPlace(dataDir);
    return files::toUtf8(real.parent_path()
                         / files::fromUtf8("." + files::toUtf8(real.filename()) + ".verrou"));
}

status::Status FolderLock::take(const std::string& dataDir, const std::string& activity)
{
    release();
    std::error_code ignored;
    // a first run: no ~/.local/share/vorlane yet
    fs::create_directories(files::fromUtf8(placeOf(dataDir)).parent_path(), ignored);
    std::string place = placeOf(dataDir);
    int opened = file_.openFile(place);
    if (opened == 0 && file_.names() > 1) {
        // another name of the file: writing who holds the lock would change that file
        release();
        return status::Status::failure(
            "le dossier des listes " + dataDir
            + " ne peut pas être verrouillé : son fichier de "
              "verrou "
            + place
            + " porte aussi d'autres noms (liens physiques vers le même fichier), "
              "il n'est ni vidé ni écrit ; le supprimer, puis recommencer");
    }
    if (opened != 0) {
        place = dataDir;
        opened = file_.openFolder(dataDir, true);
    }
    if (opened != 0)
        return status::Status::failure("le dossier des listes " + files::shownPath(dataDir)
                                       + " ne peut pas être verrouillé, ni par "
                                       + files::shownPath(placeOf(dataDir)) + " ni par lui-même ("
                                       + textfile::systemReason(opened) + ")");
    if (const int why = file_.tryLock(); why != 0) {
        const std::string holder = holderOf(file_);
        release();
        return status::Status::failure(
            why == EWOULDBLOCK ? "une autre opération est en cours sur le dossier des listes "
                    + files::shownPath(dataDir)
                    + (holder.empty() ? std::string() : " (" + holder + ")")
                    + " : attendre qu'elle soit finie, puis recommencer"
                               : files::shownPath(place) + " ne peut pas être verrouillé ("
                    + textfile::systemReason(why) + ")");
    }
    tellHolder(activity);
    return {};
}

// Best effort: a lock file that cannot be written still locks.
void FolderLock::tellHolder(const std::string& activity)
{
    file_.setText(activity + " par " + files::programName() + ", processus "
                  + std::to_string(files::processId()) + "\n");
}

void FolderLock::release()
{
    file_.close();
}

}  // namespace listfolder
