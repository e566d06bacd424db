#pragma once

#include <memory>
#include <string>
#include <string_view>

class Hunspell;

namespace listmaking {

// Hunspell itself, loaded with a dictionary's .aff and .dic: the judge of every form that the
// affix rules give (AffixExpander).
class HunspellChecker {
public:
    HunspellChecker(const std::string& affPath, const std::string& dicPath);
    ~HunspellChecker();
    HunspellChecker(const HunspellChecker&) = delete;
    HunspellChecker& operator=(const HunspellChecker&) = delete;

    // False when either file cannot be read (Hunspell itself does not say).
    bool isLoaded() const { return hunspell_ != nullptr; }
    // `form` in the dictionary's own spelling (UTF-8, accents kept).
    bool accepts(std::string_view form);

private:
    std::unique_ptr<Hunspell> hunspell_;
};

}  // namespace listmaking
