#include <listmaking/dictionary/HunspellChecker.h>

#include <files/NarrowPath.h>
#include <lexicon/SourceFiles.h>

#include <hunspell.hxx>

namespace listgen {

HunspellChecker::HunspellChecker(const std::string& affPath, const std::string& dicPath)
{
    std::string aff;
    std::string dic;
    // Hunspell opens its files by 8-bit paths: one it cannot be given is not loaded
    if (SourceFiles::exists(affPath) && SourceFiles::exists(dicPath)
        && files::narrowPath(affPath, aff) == 0 && files::narrowPath(dicPath, dic) == 0)
        hunspell_ = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::accepts(std::string_view form)
{
    return hunspell_ && hunspell_->spell(std::string(form));
}

}  // namespace listgen
