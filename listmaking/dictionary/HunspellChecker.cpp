#include <listmaking/dictionary/HunspellChecker.h>

#include <lexicon/SourceFiles.h>

#include <hunspell.hxx>

namespace listmaking {

HunspellChecker::HunspellChecker(const std::string& affPath, const std::string& dicPath)
{
    if (lexicon::SourceFiles::exists(affPath) && lexicon::SourceFiles::exists(dicPath))
        hunspell_ = std::make_unique<Hunspell>(affPath.c_str(), dicPath.c_str());
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::accepts(std::string_view form)
{
    return hunspell_ && hunspell_->spell(std::string(form));
}

}  // namespace listmaking
