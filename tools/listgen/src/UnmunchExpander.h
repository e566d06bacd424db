#pragma once

#include <tools/listgen/src/FormExpander.h>

#include <string>

namespace listgen {

// Runs Hunspell's `unmunch` on a temporary .dic of the entries, with the dictionary's own
// affix file, and reads back its forms.
class UnmunchExpander : public FormExpander {
public:
    // `workDir` holds the temporary files; `name` tells them apart between calls.
    UnmunchExpander(std::string program, std::string affixFile, std::string workDir);

    bool expand(const std::vector<std::string>& dicLines, const FormHandler& onForm) override;
    std::string errorText() const override { return error_; }

    // The form that one output line of unmunch gives: the text before any "/" (the flags
    // it leaves behind) or blank (morphological fields).
    static std::string_view formOf(std::string_view outputLine);

private:
    bool writeDic(const std::string& path, const std::vector<std::string>& dicLines);
    bool run(const std::string& dicPath, const std::string& outputPath);

    std::string program_;
    std::string affixFile_;
    std::string workDir_;
    int calls_ = 0;
    std::string error_;
};

}  // namespace listgen
