#include <lexicon/SourceFiles.h>

#include <files/FileFacts.h>

namespace lexicon {

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
    files::FileFacts facts;
    return !path.empty() && files::factsOf(path, facts) == 0;
}

}  // namespace lexicon
