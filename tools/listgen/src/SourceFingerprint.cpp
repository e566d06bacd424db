#include <tools/listgen/src/SourceFingerprint.h>

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace listgen {

namespace {

// The same file named from another folder, or through a link, gives the same line.
std::string line(const std::string& role, const std::string& path)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return role + " " + path + " absent\n";
    char real[PATH_MAX];
    const std::string text = role + " " + (::realpath(path.c_str(), real) ? real : path);
    return text + " " + std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec)
        + "." + std::to_string(info.st_mtim.tv_nsec) + "\n";
}

}  // namespace

std::string SourceFingerprint::of(const SourcePaths& paths)
{
    return "format " + std::to_string(formatVersion) + "\n" + line("moderne", paths.modernDic)
        + line("affixes", paths.modernAff) + line("rectifie", paths.reformedDic)
        + line("rectifie-affixes", SourcePaths::affOf(paths.reformedDic))
        + line("wfrench", paths.olderList) + line("myspell", paths.myspellDic)
        + line("myspell-affixes", SourcePaths::affOf(paths.myspellDic))
        + line("aspell", paths.aspellList) + line("refuses", paths.stopList);
}

}  // namespace listgen
