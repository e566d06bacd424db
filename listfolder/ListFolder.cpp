#include <listfolder/ListFolder.h>

#include <listfolder/ExclusiveFile.h>
#include <textfile/FileFailure.h>
#include <textfile/SystemReason.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/ShownPath.h>

#include <cerrno>

namespace listfolder {

namespace {

using Kind = files::FileFacts::Kind;

bool isFolder(const std::string& path)
{
    files::FileFacts facts;
    return files::factsOf(path, facts) == 0 && facts.kind == Kind::folder;
}

}  // namespace

status::Status ListFolder::prepare(const std::string& dataDir, bool& created)
{
    created = false;
    files::FileFacts facts;
    if (int why = files::factsOf(dataDir, facts); why != 0) {
        if (why == ENOENT)
            why = files::makeFolders(dataDir);
        if (why == 0 && !isFolder(dataDir))
            why = ENOTDIR;
        if (why != 0)
            return status::Status::failure("le dossier des listes " + files::shownPath(dataDir)
                                           + " ne peut pas être créé : "
                                           + textfile::systemReason(why));
        created = true;
    } else if (facts.kind != Kind::folder) {
        return status::Status::failure(
            files::shownPath(dataDir)
            + " n'est pas un dossier : les listes ne peuvent pas y être écrites");
    }
    if (const int why = files::mayWrite(dataDir); why != 0)
        return status::Status::failure("le dossier des listes " + files::shownPath(dataDir)
                                       + " ne peut pas être écrit : "
                                       + textfile::systemReason(why));
    return {};
}

std::string ListFolder::protection(const std::string& path)
{
    files::FileFacts facts;
    if (files::factsOf(path, facts, false) != 0)
        return {};
    if (facts.kind == Kind::link)
        return "c'est un lien symbolique, jamais remplacé ni suivi";
    if (facts.kind != Kind::regular)
        return "ce n'est pas un fichier ordinaire";
    // the write bits, not only the access check: root may write anything, yet a read-only
    // list is the player's way of keeping it
    if ((facts.mode & 0222) == 0 || files::mayWrite(path) != 0)
        return "il est protégé en écriture";
    return {};
}

FolderPlan ListFolder::inspect(const std::string& dataDir, const std::vector<std::string>& names)
{
    FolderPlan plan;
    plan.dataDir = dataDir;
    for (const auto& name : names) {
        const std::string path = dataDir + "/" + name;
        files::FileFacts facts;
        if (files::factsOf(path, facts, false) != 0)
            continue;
        plan.present.push_back(name);
        const std::string why = protection(path);
        if (!why.empty())
            plan.protectedFiles.push_back(textfile::failureText(name, why));
    }
    return plan;
}

}  // namespace listfolder
