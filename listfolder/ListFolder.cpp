#include <listfolder/ListFolder.h>

#include <listfolder/ExclusiveFile.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace listfolder {

namespace {

bool isFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// mkdir -p: every missing folder of the path, from the top.
int makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return errno;
        if (slash == std::string::npos)
            return 0;
    }
}

}  // namespace

bool ListFolder::prepare(const std::string& dataDir, bool& created, std::string& error)
{
    created = false;
    struct stat info {};
    if (::stat(dataDir.c_str(), &info) != 0) {
        int why = errno;
        if (why == ENOENT)
            why = makeFolders(dataDir);
        if (why == 0 && !isFolder(dataDir))
            why = ENOTDIR;
        if (why != 0) {
            error = "le dossier des listes " + dataDir
                + " ne peut pas être créé : " + ExclusiveFile::reason(why);
            return false;
        }
        created = true;
    } else if (!S_ISDIR(info.st_mode)) {
        error = dataDir + " n'est pas un dossier : les listes ne peuvent pas y être écrites";
        return false;
    }
    if (::access(dataDir.c_str(), W_OK | X_OK) != 0) {
        error = "le dossier des listes " + dataDir
            + " ne peut pas être écrit : " + ExclusiveFile::reason(errno);
        return false;
    }
    return true;
}

std::string ListFolder::protection(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return {};
    if (S_ISLNK(info.st_mode))
        return "c'est un lien symbolique, jamais remplacé ni suivi";
    if (!S_ISREG(info.st_mode))
        return "ce n'est pas un fichier ordinaire";
    // the write bits, not access(): root may write anything, yet a read-only list is the
    // player's way of keeping it
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
        return "il est protégé en écriture";
    return {};
}

FolderPlan ListFolder::inspect(const std::string& dataDir, const std::vector<std::string>& names)
{
    FolderPlan plan;
    plan.dataDir = dataDir;
    for (const auto& name : names) {
        const std::string path = dataDir + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0)
            continue;
        plan.present.push_back(name);
        const std::string why = protection(path);
        if (!why.empty())
            plan.protectedFiles.push_back(name + " : " + why);
    }
    return plan;
}

}  // namespace listfolder
