#include <tools/listgen/src/SourceFiles.h>

#include <tools/listgen/src/DicReader.h>
#include <tools/listgen/src/OlderLists.h>

#include <textfile/LineReader.h>

#include <sys/stat.h>

namespace listgen {

namespace {

template <typename Read> bool readFile(const std::string& path, std::string& error, Read read)
{
    textfile::LineReader reader(path);
    if (!reader.isOpen()) {
        error = path + ": " + reader.errorText();
        return false;
    }
    read(reader);
    if (reader.failed()) {
        error = path + ": " + reader.errorText();
        return false;
    }
    return true;
}

void loadOlderDictionaries(const SourcePaths& paths, DictionarySources& sources,
                           std::vector<std::string>& missing)
{
    std::string error;
    if (!SourceFiles::exists(paths.myspellDic))
        missing.push_back("myspell-fr (" + paths.myspellDic + " absent)");
    else if (!OlderLists::hunspellForms(paths.myspellDic, SourcePaths::affOf(paths.myspellDic),
                                        paths.unmunch, paths.workDir, sources.older, error))
        missing.push_back("myspell-fr (" + error + ")");
    if (!SourceFiles::exists(paths.aspellList))
        missing.push_back("aspell-fr (" + paths.aspellList + " absent)");
    else if (!OlderLists::readAspellList(paths.aspellList, sources.older, error))
        missing.push_back("aspell-fr (" + error + ")");
}

}  // namespace

std::string SourcePaths::affOf(const std::string& dicPath)
{
    const auto dot = dicPath.rfind(".dic");
    return dot == std::string::npos ? dicPath + ".aff" : dicPath.substr(0, dot) + ".aff";
}

void SourcePaths::fillFromWorkDir()
{
    if (workDir.empty())
        return;
    if (reformedDic.empty())
        reformedDic = workDir + "/reformed/usr/share/hunspell/fr.dic";
    if (myspellDic.empty())
        myspellDic = workDir + "/older/myspell-fr/usr/share/hunspell/fr.dic";
    if (aspellList.empty())
        aspellList = workDir + "/older/aspell-fr.cwl";
}

bool SourceFiles::exists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

bool SourceFiles::load(const SourcePaths& paths, DictionarySources& sources, std::string& error,
                       std::vector<std::string>& missing)
{
    const bool ok =
        readFile(paths.modernDic, error,
                 [&](textfile::LineReader& r) { sources.modern = DicReader::entries(r); })
        && readFile(paths.olderList, error,
                    [&](textfile::LineReader& r) { sources.older = DicReader::words(r); });
    if (!ok)
        return false;
    loadOlderDictionaries(paths, sources, missing);
    sources.hasReformed = exists(paths.reformedDic)
        && readFile(paths.reformedDic, error,
                    [&](textfile::LineReader& r) { sources.reformed = DicReader::entries(r); });
    return true;
}

}  // namespace listgen
