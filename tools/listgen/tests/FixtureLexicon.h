#pragma once

#include <tools/listgen/src/FormExpander.h>
#include <tools/listgen/src/Lexicon.h>
#include <tools/listgen/src/LexiconBuilder.h>

#include <map>
#include <string>
#include <vector>

// A small stand-in for the real dictionaries: a few entries of each kind, and the forms that
// an expansion gives for them, keyed by their stem.
class FixtureExpander : public listgen::FormExpander {
public:
    explicit FixtureExpander(std::map<std::string, std::vector<std::string>> forms)
        : forms_(std::move(forms))
    {
    }
    bool expand(const std::vector<std::string>& dicLines, const FormHandler& onForm) override;

private:
    std::map<std::string, std::vector<std::string>> forms_;
};

struct Fixture {
    listgen::DictionarySources sources;
    std::map<std::string, std::vector<std::string>> forms;

    // The fixture dictionaries described in FixtureLexicon.cpp.
    static Fixture standard();
    listgen::Lexicon lexicon() const;
};
