#include <lexicon/SourceFingerprint.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>

namespace lexicon {

namespace {

// The same file named from another folder, or through a link, gives the same line.
std::string line(const std::string& role, const std::string& path)
{
    files::FileFacts facts;
    if (path.empty() || files::factsOf(path, facts) != 0)
        return role + " " + path + " absent\n";
    std::string real;
    const std::string text = role + " " + (files::realPath(path, real) == 0 ? real : path);
    return text + " " + std::to_string(facts.size) + " " + std::to_string(facts.modifiedSeconds)
        + "." + std::to_string(facts.modifiedNanoseconds) + "\n";
}

// A source's line with its size alone: its role, then its size (the word before the last, the
// path before it may hold spaces), or "absent".
std::string sizeOnly(const std::string& role, const std::string& line)
{
    const std::size_t time = line.find_last_of(' ');
    const std::size_t size = time == std::string::npos ? time : line.find_last_of(' ', time - 1);
    if (line.compare(line.size() - 7, 7, " absent") == 0 || size == std::string::npos)
        return role + " absent\n";
    return role + line.substr(size, time - size) + "\n";
}

// What a fingerprint says of the format, the modern dictionary and its affix file. Only their
// sizes count: installed with the program on Windows, they lie wherever the player installed
// them, with the times a zip or an installer gave them; a new version of the dictionary changes
// the sizes of both.
std::string dictionaryLines(const std::string& fingerprint)
{
    std::string lines;
    std::size_t start = 0;
    while (start < fingerprint.size()) {
        auto end = fingerprint.find('\n', start);
        const std::string line =
            fingerprint.substr(start, end == std::string::npos ? end : end - start);
        start = end == std::string::npos ? fingerprint.size() : end + 1;
        if (line.rfind("format ", 0) == 0)
            lines += line + "\n";
        for (const char* role : {"moderne", "affixes"})
            if (line.rfind(std::string(role) + " ", 0) == 0)
                lines += sizeOnly(role, line);
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

}  // namespace lexicon
