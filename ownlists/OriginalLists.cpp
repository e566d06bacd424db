#include <ownlists/OriginalLists.h>

#include <tools/listgen/src/ExclusiveFile.h>
#include <tools/listgen/src/OwnWordsImport.h>

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
    return listgen::ExclusiveFile::reason(error.value());
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

bool OriginalLists::keep(const std::vector<std::string>& names, std::string& error)
{
    std::error_code failed;
    if (!setup_.workingFolder || fs::exists(keptFolder(), failed))
        return true;  // kept already: the lists from before the very first import
    if (!fs::create_directory(keptFolder(), failed)) {
        error = "le dossier " + keptFolder() + " ne peut pas être créé : " + reason(failed);
        return false;
    }
    madeKept_ = true;
    for (const auto& name : names) {
        const fs::path from = fs::path(setup_.dataDir) / name;
        const fs::path to = fs::path(keptFolder()) / name;
        if (!fs::is_regular_file(fs::symlink_status(from, failed)))
            continue;
        // a second name costs no room; the import replaces the file, never rewrites it
        fs::create_hard_link(from, to, failed);
        if (failed && !fs::copy_file(from, to, failed)) {
            error = from.string() + " ne peut pas être gardé dans " + keptFolder() + " : "
                + reason(failed);
            forgetKept();
            return false;
        }
    }
    return true;
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
    if (setup_.workingFolder) {
        if (!isFolderWithFiles(keptFolder()))
            return {};
        return "Vos listes de " + setup_.dataDir + " seront mises de côté dans " + asideName(now)
            + ", sans rien effacer, et celles gardées dans " + keptFolder()
            + " reprendront leur place : LANCER les entraînera de nouveau.";
    }
    if (!isFolderWithFiles(setup_.dataDir))
        return {};
    return "Votre dossier de listes " + setup_.dataDir + " sera mis de côté dans " + asideName(now)
        + ", sans rien effacer : LANCER entraînera de nouveau les listes livrées avec vorlane.";
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

bool OriginalLists::moveFiles(const std::string& from, const std::string& to,
                              const std::vector<std::string>& names, std::string& error) const
{
    for (const auto& name : names) {
        std::error_code failed;
        if (!fs::exists(fs::symlink_status(fs::path(from) / name, failed)))
            continue;
        fs::rename(fs::path(from) / name, fs::path(to) / name, failed);
        if (failed) {
            error = (fs::path(from) / name).string() + " ne peut pas aller dans " + to + " : "
                + reason(failed);
            return false;
        }
    }
    return true;
}

bool OriginalLists::goBack(std::time_t now, std::string& asideFolder, std::string& error)
{
    if (whatGoingBackDoes(now).empty()) {
        error = "il n'y a pas de listes d'origine vers lesquelles revenir";
        return false;
    }
    asideFolder = asideName(now);
    std::error_code failed;
    if (!setup_.workingFolder) {
        fs::rename(setup_.dataDir, asideFolder, failed);
        if (failed)
            error = setup_.dataDir + " ne peut pas être mis de côté : " + reason(failed);
        return !failed;
    }
    if (!fs::create_directory(asideFolder, failed)) {
        error = "le dossier " + asideFolder + " ne peut pas être créé : " + reason(failed);
        return false;
    }
    const std::vector<std::string> originals = filesOf(keptFolder());
    if (!moveFiles(setup_.dataDir, asideFolder, listgen::OwnWordsImport::fileNames(), error)
        || !moveFiles(keptFolder(), setup_.dataDir, originals, error)) {
        error += ". Vos listes sont dans " + asideFolder + ", celles d'origine dans " + keptFolder()
            + " ou " + setup_.dataDir;
        return false;
    }
    fs::remove(keptFolder(), failed);
    return true;
}

}  // namespace ownlists
