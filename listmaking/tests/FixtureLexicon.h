#pragma once

#include <lexicon/Lexicon.h>
#include <lexicon/PreparedLexicon.h>
#include <lexicon/SourceFiles.h>
#include <testsupport/TempFolder.h>

#include <memory>
#include <string>
#include <vector>

// A small stand-in for the real dictionaries, as files in a folder of their own: a modern
// dictionary with a few entries of each kind, its affix file, a reformed dictionary and an
// older word list (FixtureLexicon.cpp says what each entry is for).
struct Fixture {
    std::shared_ptr<testsupport::TempFolder> folder;
    lexicon::SourcePaths paths;

    // The fixture dictionaries; `withReformed` false leaves the reformed one out.
    static Fixture standard(bool withReformed = true);
    lexicon::PreparedLexicon prepared() const;
    // The default lists' word sets.
    lexicon::Lexicon lexicon() const;
};
