#pragma once

#include <tools/listgen/src/SourceFiles.h>

#include <string>

namespace listgen {

// What a prepared lexicon was made from: for each source (dictionaries, affix files, older
// lists, stop list) its path, size and time of last change, or its absence; and the format of
// the lexicon. Two equal fingerprints mean that making the lexicon again would give the same.
class SourceFingerprint {
public:
    // Raise when the lexicon's content or its rules change, so that older files are made again.
    static constexpr int formatVersion = 1;

    // One line per source.
    static std::string of(const SourcePaths& paths);
};

}  // namespace listgen
