#pragma once

#include <lexicon/SourceFiles.h>

#include <string>

namespace lexicon {

// What a prepared lexicon was made from: for each source (dictionaries, affix files, older
// lists, stop list) its path, size and time of last change, or its absence; and the format of
// the lexicon. Two equal fingerprints mean that making the lexicon again would give the same.
class SourceFingerprint {
public:
    // Raise when the lexicon's content or its rules change, so that older files are made again.
    static constexpr int formatVersion = 2;

    // One line per source.
    static std::string of(const SourcePaths& paths);

    // Whether a lexicon made on another machine, with fingerprint `made`, stands for the one
    // these sources would give: same format, and the same modern dictionary and affix file, told
    // by their sizes wherever they lie (the Debian package's, or the copies the Windows
    // installer puts beside the lists, whose times a zip does not keep). The other sources are not
    // compared: the older lists, the reformed dictionary and the stop list of the machine that made
    // it lie in its build folder, which a player's machine does not have, and the lexicon carries
    // what it took from them.
    static bool madeFromSameDictionary(const std::string& made, const SourcePaths& paths);
};

}  // namespace lexicon
