#include <lexicon/SourceFingerprint.h>

#include <files/FileStatus.h>
#include <files/FileSystem.h>

namespace listgen {

namespace {

// The same file named from another folder, or through a link, gives the same line.
std::string line(const std::string& role, const std::string& path)
{
    files::FileStatus info;
    if (path.empty() || files::statusOf(path, info) != 0)
        return role + " " + path + " absent\n";
    std::string real;
    const std::string text = role + " " + (files::realPath(path, real) == 0 ? real : path);
    return text + " " + std::to_string(info.size) + " " + std::to_string(info.modifiedSeconds) + "."
        + std::to_string(info.modifiedNanoseconds) + "\n";
}

// The lines of a fingerprint that name the format, the modern dictionary and its affix file.
std::string dictionaryLines(const std::string& fingerprint)
{
    std::string lines;
    std::size_t start = 0;
    while (start < fingerprint.size()) {
        auto end = fingerprint.find('\n', start);
        end = end == std::string::npos ? fingerprint.size() : end + 1;
        const std::string line = fingerprint.substr(start, end - start);
        for (const char* role : {"format ", "moderne ", "affixes "})
            if (line.rfind(role, 0) == 0)
                lines += line;
        start = end;
    }
    return lines;
}

}  // namespace

bool SourceFingerprint::madeFromSameDictionary(const std::string& made, const SourcePaths& paths)
{
    const std::string ours = dictionaryLines(of(paths));
    return !made.empty() && dictionaryLines(made) == ours;
}

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
