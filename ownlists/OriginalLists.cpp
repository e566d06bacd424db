#include <ownlists/OriginalLists.h>

#include <files/ShownPath.h>
#include <textfile/FileFailure.h>
#include <textfile/SystemReason.h>

#include <listfolder/ExclusiveFile.h>
#include <listfolder/FileBytes.h>
#include <listfolder/FolderLock.h>
#include <listfolder/StagedFiles.h>
#include <listfolder/SwitchJournal.h>
#include <listmaking/ownwords/OwnWordsImport.h>

#include <files/CopyFile.h>
#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/Utf8Path.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace ownlists {

namespace {

bool isA(const std::string& path, files::FileFacts::Kind kind, bool followLinks = true)
{
    files::FileFacts facts;
    return files::factsOf(path, facts, followLinks) == 0 && facts.kind == kind;
}

bool isThere(const std::string& path)
{
    files::FileFacts facts;
    return files::factsOf(path, facts, false) == 0;
}

// The names of every entry of a folder.
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(files::fromUtf8(folder), error))
        names.push_back(files::toUtf8(entry.path().filename()));
    return names;
}

// A folder that holds only files (a keep, or second names), removed with them.
void removeWithItsFiles(const std::string& folder)
{
    for (const auto& name : namesIn(folder))
        files::removeFile(folder + "/" + name);
    files::removeFolder(folder);
}

// Whether a folder holds a list of the catalogue.
bool holdsAList(const std::string& folder)
{
    for (const auto& name : listmaking::OwnWordsImport::fileNames())
        if (!folder.empty() && isA(folder + "/" + name, files::FileFacts::Kind::regular))
            return true;
    return false;
}

// A second name for the file `from` at `to`, or a copy where the volume has no hard links.
int keepUnder(const std::string& from, const std::string& to)
{
    const int error = files::hardLink(from, to);
    return error == 0 || error == EEXIST ? error : files::copyFile(from, to);
}

}  // namespace

OriginalLists::OriginalLists(ImportSetup setup) : setup_(std::move(setup)) {}

std::string OriginalLists::parentFolder() const
{
    auto data = files::fromUtf8(setup_.dataDir).lexically_normal();
    if (!data.has_filename())
        data = data.parent_path();  // "data/"
    return files::toUtf8(data.parent_path());
}

std::string OriginalLists::keptFolder() const
{
    return parentFolder() + "/" + keptFolderName;
}

std::string OriginalLists::stagingFolder() const
{
    return parentFolder() + "/." + keptFolderName + ".en-cours";
}

// The original lists kept, without the mark.
std::vector<std::string> OriginalLists::keptLists() const
{
    auto names = namesIn(keptFolder());
    names.erase(std::remove(names.begin(), names.end(), completeMark), names.end());
    return names;
}

// The mark holds the number of lists kept: a keep that lost some since (a going back cut short
// by an older vorlane) is not whole.
bool OriginalLists::keptWhole() const
{
    const std::string mark = keptFolder() + "/" + completeMark;
    if (!isA(mark, files::FileFacts::Kind::regular))
        return false;
    const auto count = listfolder::FileBytes::read(mark, 64);
    return count && std::to_string(keptLists().size()) + "\n" == *count;
}

// An earlier keep cut short, or a folder of that name made by hand: set aside, never deleted.
status::Status OriginalLists::setIncompleteAside() const
{
    const std::string base = keptFolder() + "-incomplet";
    std::string name = base;
    for (int n = 2; isThere(name); ++n)
        name = base + "-" + std::to_string(n);
    if (const int error = files::renameFolder(keptFolder(), name))
        return status::Status::failure(files::shownPath(keptFolder())
                                       + " n'est pas une copie complète des listes d'origine et "
                                         "ne peut pas être mis de côté : "
                                       + textfile::systemReason(error));
    return {};
}

// Every file in the hidden folder, then the mark; a second name costs no room, and the import
// replaces the file, never rewrites it.
status::Status OriginalLists::gather(const std::vector<std::string>& names) const
{
    removeWithItsFiles(stagingFolder());  // a keep cut short: never announced, ours
    if (const int error = files::makeFolder(stagingFolder()))
        return status::Status::failure("le dossier " + files::shownPath(stagingFolder())
                                       + " ne peut pas être créé : "
                                       + textfile::systemReason(error));
    std::size_t kept = 0;
    for (const auto& name : names) {
        const std::string from = setup_.dataDir + "/" + name;
        if (!isA(from, files::FileFacts::Kind::regular, false))
            continue;
        const int error = allowStep && !allowStep("garde " + name)
            ? ENOSPC
            : keepUnder(from, stagingFolder() + "/" + name);
        if (error != 0)
            return status::Status::failure(
                files::shownPath(from) + " ne peut pas être gardé dans "
                + textfile::failureText(keptFolder(), textfile::systemReason(error)));
        ++kept;
    }
    listfolder::ExclusiveFile mark(stagingFolder() + "/" + completeMark);
    const std::string count = std::to_string(kept) + "\n";
    if (!mark.write(count.data(), count.size()) || !mark.close())
        return status::Status::failure(mark.errorText());
    return {};
}

status::Status OriginalLists::keep(const std::vector<std::string>& names)
{
    if (!setup_.workingFolder || keptWhole())
        return {};  // kept already: the lists from before the very first import
    if (isThere(keptFolder())) {
        if (auto setAside = setIncompleteAside(); !setAside)
            return setAside;
    }
    if (auto gathered = gather(names); !gathered) {
        removeWithItsFiles(stagingFolder());
        return gathered;
    }
    const int error = allowStep && !allowStep("garde complète")
        ? ENOSPC
        : files::renameFolder(stagingFolder(), keptFolder());
    if (error != 0) {
        removeWithItsFiles(stagingFolder());
        return status::Status::failure("le dossier " + files::shownPath(keptFolder())
                                       + " ne peut pas être fait : "
                                       + textfile::systemReason(error));
    }
    madeKept_ = true;
    return {};
}

void OriginalLists::forgetKept()
{
    if (!madeKept_)
        return;
    removeWithItsFiles(keptFolder());
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
    if (!isA(setup_.dataDir, files::FileFacts::Kind::folder) || namesIn(setup_.dataDir).empty())
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
    for (int n = 2; isThere(name); ++n)
        name = base + "-" + std::to_string(n);
    return name;
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
    if (!setup_.workingFolder)
        return putFolderAside(now);
    return bringBack(now);
}

// The player's own folder goes aside whole, in one rename.
status::Result<std::string> OriginalLists::putFolderAside(std::time_t now) const
{
    const std::string asideFolder = asideName(now);
    if (const int error = files::renameFolder(setup_.dataDir, asideFolder))
        return status::Status::failure(files::shownPath(setup_.dataDir)
                                       + " ne peut pas être mis de côté : "
                                       + textfile::systemReason(error));
    return asideFolder;
}

// The player's files get second names in the folder put aside; data/ is not touched.
status::Status OriginalLists::keepPlayersLists(const std::string& asideFolder) const
{
    if (const int error = files::makeFolder(asideFolder))
        return status::Status::failure("le dossier " + files::shownPath(asideFolder)
                                       + " ne peut pas être créé : "
                                       + textfile::systemReason(error));
    for (const auto& name : listmaking::OwnWordsImport::fileNames()) {
        const std::string from = setup_.dataDir + "/" + name;
        if (!isThere(from))
            continue;
        const int error = allowStep && !allowStep("de côté " + name)
            ? ENOSPC
            : keepUnder(from, asideFolder + "/" + name);
        if (error != 0)
            return status::Status::failure(
                files::shownPath(from) + " ne peut pas être mis de côté dans "
                + textfile::failureText(asideFolder, textfile::systemReason(error)));
    }
    return {};
}

// The kept lists take the places of the player's ones in one journaled switch
// (listfolder::StagedFiles): a run cut short at any step is undone by the next start, so
// data/ holds either every original list or every one of the player's, never a mix.
status::Status OriginalLists::switchBack() const
{
    listfolder::StagedFiles staged(setup_.dataDir, setup_.sources.workDir);
    staged.allowStep = allowStep;
    status::Status done = staged.open();
    const auto originals = keptLists();
    for (const auto& name : originals)
        if (done)
            done = staged.take(name, keptFolder() + "/" + name);
    for (const auto& name : listmaking::OwnWordsImport::fileNames())
        if (done && std::find(originals.begin(), originals.end(), name) == originals.end())
            done = staged.remove(name);
    if (done)
        done = staged.commit();
    return done;
}

status::Result<std::string> OriginalLists::bringBack(std::time_t now)
{
    const std::string asideFolder = asideName(now);
    status::Status done = keepPlayersLists(asideFolder);
    if (done)
        done = switchBack();
    if (!done) {
        const bool undone = !listfolder::SwitchJournal(setup_.dataDir).exists();
        if (undone)  // only second names of files still in data/
            removeWithItsFiles(asideFolder);
        return status::Status::failure(
            done.why()
            + (undone
                   ? ". Rien n'a changé : vos listes sont dans " + files::shownPath(setup_.dataDir)
                       + ", celles d'origine dans " + files::shownPath(keptFolder())
                   : ". Vos listes sont aussi dans " + files::shownPath(asideFolder)
                       + ", celles d'origine dans " + files::shownPath(keptFolder())));
    }
    // every original is in data/ now: the keep goes, its mark first
    if (!allowStep || allowStep("garde retirée")) {
        files::removeFile(keptFolder() + "/" + completeMark);
        removeWithItsFiles(keptFolder());
    }
    return asideFolder;
}

}  // namespace ownlists
