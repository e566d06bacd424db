#pragma once

#include <tools/listgen/src/FormChecker.h>

#include <memory>
#include <string>

class Hunspell;

namespace listgen {

// Hunspell itself, loaded with a dictionary's .aff and .dic: the judge of every form that
// unmunch gives, since unmunch ignores the affix file's "needs an affix" marker and the
// rules for entries that only take some endings.
class HunspellChecker : public FormChecker {
public:
    HunspellChecker(const std::string& affPath, const std::string& dicPath);
    ~HunspellChecker() override;
    HunspellChecker(const HunspellChecker&) = delete;
    HunspellChecker& operator=(const HunspellChecker&) = delete;

    // False when either file cannot be read (Hunspell itself does not say).
    bool isLoaded() const { return hunspell_ != nullptr; }
    bool accepts(std::string_view form) override;
    std::vector<std::string> stems(std::string_view form) override;

private:
    std::unique_ptr<Hunspell> hunspell_;
};

}  // namespace listgen
