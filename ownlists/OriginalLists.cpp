#include <ownlists/OriginalLists.h>

#include <files/ShownPath.h>

#include <listfolder/ExclusiveFile.h>
#include <listfolder/FolderLock.h>
#include <listfolder/SwitchJournal.h>
#include <listmaking/ownwords/OwnWordsImport.h>

#include <algorithm>
#include <cerrno>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace ownlists {

namespace {

bool isFolderWithFiles(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error) && !fs::is_empty(path, error);
}

std::string reason(const std::error_code& error)
{
    return listfolder::ExclusiveFile::reason(error.value());
}

// The names of every file of a folder.
std::vector<std::string> filesOf(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

// Whether a folder holds a list of the catalogue.
bool holdsAList(const std::string& folder)
{
    std::error_code error;
    for (const auto& name : listmaking::OwnWordsImport::fileNames())
        if (!folder.empty() && fs::is_regular_file(fs::path(folder) / name, error))
            return true;
    return false;
}

}  // namespace

OriginalLists::OriginalLists(ImportSetup setup) : setup_(std::move(setup)) {}

std::string OriginalLists::parentFolder() const
{
    return fs::path(setup_.dataDir).lexically_normal().parent_path().string();
}

std::string OriginalLists::keptFolder() const
{
    return parentFolder() + "/" + keptFolderName;
}

std::string OriginalLists::stagingFolder() const
{
    return parentFolder() + "/." + keptFolderName + ".en-cours";
}

bool OriginalLists::keptWhole() const
{
    std::error_code failed;
    return fs::is_regular_file(fs::path(keptFolder()) / completeMark, failed);
}

// An earlier keep cut short, or a folder of that name made by hand: set aside, never deleted.
status::Status OriginalLists::setIncompleteAside() const
{
    const std::string base = keptFolder() + "-incomplet";
    std::string name = base;
    std::error_code failed;
    for (int n = 2; fs::exists(fs::symlink_status(name, failed)); ++n)
        name = base + "-" + std::to_string(n);
    fs::rename(keptFolder(), name, failed);
    if (failed)
        return status::Status::failure(files::shownPath(keptFolder())
                                       + " n'est pas une copie complète des listes d'origine et "
                                         "ne peut pas être mis de côté : "
                                       + reason(failed));
    return {};
}

// Every file in the hidden folder, then the mark; a second name costs no room, and the import
// replaces the file, never rewrites it.
status::Status OriginalLists::gather(const std::vector<std::string>& names) const
{
    std::error_code failed;
    fs::remove_all(stagingFolder(), failed);  // a keep cut short: never announced, ours
    if (!fs::create_directory(stagingFolder(), failed))
        return status::Status::failure("le dossier " + files::shownPath(stagingFolder())
                                       + " ne peut pas être créé : " + reason(failed));
    for (const auto& name : names) {
        const fs::path from = fs::path(setup_.dataDir) / name;
        const fs::path to = fs::path(stagingFolder()) / name;
        if (!fs::is_regular_file(fs::symlink_status(from, failed)))
            continue;
        if (allowStep && !allowStep("garde " + name))
            return status::Status::failure(from.string() + " ne peut pas être gardé dans "
                                           + keptFolder() + " : "
                                           + listfolder::ExclusiveFile::reason(ENOSPC));
        fs::create_hard_link(from, to, failed);
        if (failed && !fs::copy_file(from, to, failed))
            return status::Status::failure(from.string() + " ne peut pas être gardé dans "
                                           + keptFolder() + " : " + reason(failed));
    }
    listfolder::ExclusiveFile mark((fs::path(stagingFolder()) / completeMark).string());
    const std::string count = std::to_string(names.size()) + "\n";
    if (!mark.write(count.data(), count.size()) || !mark.close())
        return status::Status::failure(mark.errorText());
    return {};
}

status::Status OriginalLists::keep(const std::vector<std::string>& names)
{
    std::error_code failed;
    if (!setup_.workingFolder || keptWhole())
        return {};  // kept already: the lists from before the very first import
    if (fs::exists(fs::symlink_status(keptFolder(), failed))) {
        if (auto setAside = setIncompleteAside(); !setAside)
            return setAside;
    }
    if (auto gathered = gather(names); !gathered) {
        fs::remove_all(stagingFolder(), failed);
        return gathered;
    }
    if (allowStep && !allowStep("garde complète"))
        failed = std::make_error_code(std::errc::no_space_on_device);
    else
        fs::rename(stagingFolder(), keptFolder(), failed);
    if (failed) {
        const std::string why = "le dossier " + files::shownPath(keptFolder())
            + " ne peut pas être fait : " + reason(failed);
        fs::remove_all(stagingFolder(), failed);
        return status::Status::failure(why);
    }
    madeKept_ = true;
    return {};
}

void OriginalLists::forgetKept()
{
    if (!madeKept_)
        return;
    std::error_code ignored;
    fs::remove_all(keptFolder(), ignored);
    madeKept_ = false;
}

std::string OriginalLists::whatGoingBackDoes(std::time_t now) const
{
    if (!whyNoGoingBack().empty())
        return {};
    if (setup_.workingFolder)
        return "Vos listes de " + files::shownPath(setup_.dataDir) + " seront mises de côté dans "
            + files::shownPath(asideName(now)) + ", sans rien effacer, et celles gardées dans "
            + files::shownPath(keptFolder())
            + " reprendront leur place : LANCER les entraînera de nouveau.";
    return "Votre dossier de listes " + files::shownPath(setup_.dataDir) + " sera mis de côté dans "
        + files::shownPath(asideName(now))
        + ", sans rien effacer : LANCER entraînera de nouveau les listes livrées avec vorlane, "
          "dans "
        + files::shownPath(setup_.shippedDir) + ".";
}

std::string OriginalLists::whyNoGoingBack() const
{
    if (setup_.workingFolder) {
        if (!keptWhole())
            return "aucune copie complète des listes d'origine n'a été gardée dans "
                + files::shownPath(keptFolder()) + " : vos listes de "
                + files::shownPath(setup_.dataDir)
                + " n'ont pas été remplacées par une importation de vos mots";
        return {};
    }
    if (!isFolderWithFiles(setup_.dataDir))
        return "votre dossier de listes " + files::shownPath(setup_.dataDir)
            + " est vide ou absent";
    if (!holdsAList(setup_.shippedDir))
        return "aucune liste n'est livrée avec vorlane"
            + (setup_.shippedDir.empty() ? std::string()
                                         : " dans " + files::shownPath(setup_.shippedDir))
            + " : sans votre dossier de listes, LANCER n'aurait plus rien à entraîner";
    return {};
}

std::string OriginalLists::asideName(std::time_t now) const
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", std::localtime(&now));
    const std::string base = parentFolder() + "/" + asidePrefix + stamp;
    std::string name = base;
    std::error_code ignored;
    for (int n = 2; fs::exists(name, ignored); ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

status::Status OriginalLists::moveFiles(const std::string& from, const std::string& to,
                                        const std::vector<std::string>& names) const
{
    for (const auto& name : names) {
        std::error_code failed;
        if (!fs::exists(fs::symlink_status(fs::path(from) / name, failed)))
            continue;
        fs::rename(fs::path(from) / name, fs::path(to) / name, failed);
        if (failed)
            return status::Status::failure((fs::path(from) / name).string()
                                           + " ne peut pas aller dans " + to + " : "
                                           + reason(failed));
    }
    return {};
}

status::Result<std::string> OriginalLists::goBack(std::time_t now)
{
    listfolder::FolderLock lock;
    if (auto taken = lock.take(setup_.dataDir, "retour aux listes d'origine"); !taken)
        return taken;
    // a switch cut short is undone first: the files put aside are then whole lists
    listfolder::SwitchJournal(setup_.dataDir).repair();
    const std::string why = whyNoGoingBack();
    if (!why.empty())
        return status::Status::failure("il n'y a pas de listes d'origine vers lesquelles revenir : "
                                       + why);
    return moveBack(now);
}

status::Result<std::string> OriginalLists::moveBack(std::time_t now)
{
    const std::string asideFolder = asideName(now);
    std::error_code failed;
    if (!setup_.workingFolder) {
        fs::rename(setup_.dataDir, asideFolder, failed);
        if (failed)
            return status::Status::failure(files::shownPath(setup_.dataDir)
                                           + " ne peut pas être mis de côté : " + reason(failed));
        return asideFolder;
    }
    if (!fs::create_directory(asideFolder, failed))
        return status::Status::failure("le dossier " + files::shownPath(asideFolder)
                                       + " ne peut pas être créé : " + reason(failed));
    std::vector<std::string> originals = filesOf(keptFolder());
    originals.erase(std::remove(originals.begin(), originals.end(), completeMark), originals.end());
    auto moved = moveFiles(setup_.dataDir, asideFolder, listmaking::OwnWordsImport::fileNames());
    if (moved)
        moved = moveFiles(keptFolder(), setup_.dataDir, originals);
    if (!moved)
        return status::Status::failure(moved.why() + ". Vos listes sont dans "
                                       + files::shownPath(asideFolder) + ", celles d'origine dans "
                                       + files::shownPath(keptFolder()) + " ou "
                                       + files::shownPath(setup_.dataDir));
    fs::remove(fs::path(keptFolder()) / completeMark, failed);
    fs::remove(keptFolder(), failed);
    return asideFolder;
}

}  // namespace ownlists
