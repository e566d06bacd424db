#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// Expands dictionary entries into every inflected and conjugated form they stand for.
class FormExpander {
public:
    using FormHandler = std::function<void(std::string_view form)>;

    virtual ~FormExpander() = default;
    // Calls `onForm` with each form (UTF-8, repeats possible) of the entries, given as
    // their .dic lines. Returns false, with errorText(), when the expansion failed.
    virtual bool expand(const std::vector<std::string>& dicLines, const FormHandler& onForm) = 0;
    virtual std::string errorText() const { return {}; }
};

}  // namespace listgen
