#include <listfolder/WaitingFolder.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/Utf8Path.h>

#include <cstdint>
#include <cstdio>

namespace listfolder {

namespace {

constexpr const char* workFolderPrefix = "listes-en-attente-";

// One waiting folder a lists folder: the second names kept by a run cut short on one lists
// folder wait there until its journal is repaired, whatever other folder the work folder
// serves.
std::string nameInWorkFolder(const std::string& realData)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char c : realData)
        hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return workFolderPrefix + std::string(hex);
}

std::string lastName(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

// The path the system gives for `path` once every link is followed, the lists folder itself
// when it cannot say.
std::string realOf(const std::string& path)
{
    std::string real;
    return files::realPath(path, real) == 0 ? real : path;
}

// Absolute, and every name a name: no "." nor "..", no empty name between two '/'.
bool isPlainAbsolute(const std::string& path)
{
    if (!files::fromUtf8(path).is_absolute())
        return false;
    // a Windows share, "//serveur/partage/...", starts with its two slashes
    std::size_t start = path.find('/', path.rfind("//", 0) == 0 ? 2 : 0);
    while (start != std::string::npos) {
        const std::size_t end = path.find('/', start + 1);
        const std::string name =
            path.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        if (name.empty() || name == "." || name == "..")
            return false;
        start = end;
    }
    return true;
}

}  // namespace

std::string WaitingFolder::inWorkFolder(const std::string& workDir, const std::string& realData)
{
    return workDir + "/" + nameInWorkFolder(realData);
}

std::string WaitingFolder::parentOf(const std::string& realData)
{
    const auto slash = realData.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : realData.substr(0, slash);
}

std::string WaitingFolder::beside(const std::string& realData)
{
    const std::string parent = parentOf(realData);
    return (parent == "/" ? "" : parent) + "/." + lastName(realData) + ".listgen-attente";
}

bool WaitingFolder::isOwn(const std::string& path, const std::string& dataDir)
{
    if (!isPlainAbsolute(path))
        return false;
    const std::string realData = realOf(dataDir);
    if (path != beside(realData) && lastName(path) != nameInWorkFolder(realData))
        return false;
    // gone with a cleaned cache, it still tells which lists the cut run added
    files::FileFacts facts;
    if (files::factsOf(path, facts, false) != 0)
        return true;
    std::string real;
    return facts.kind == files::FileFacts::Kind::folder && files::realPath(path, real) == 0
        && real == path;
}

}  // namespace listfolder
