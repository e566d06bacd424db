#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// Says whether the dictionary accepts a spelling, and which entries a form comes from.
class FormChecker {
public:
    virtual ~FormChecker() = default;
    // `form` in the dictionary's own spelling (UTF-8, accents kept).
    virtual bool accepts(std::string_view form) = 0;
    // The stems (entry words) that the dictionary reads the form as; empty when none.
    virtual std::vector<std::string> stems(std::string_view form) = 0;
};

// Accepts every form; each form is its own stem. For sources that are trusted as they are.
class AcceptingChecker : public FormChecker {
public:
    bool accepts(std::string_view) override { return true; }
    std::vector<std::string> stems(std::string_view form) override { return {std::string(form)}; }
};

}  // namespace listgen
