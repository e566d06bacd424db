#pragma once

#include <tools/listgen/src/Lexicon.h>

#include <string>
#include <vector>

namespace listgen {

// What became of one catalogue file.
struct ListReport {
    std::string name;
    std::size_t lines = 0;  // lines written: every line the rule gives
};

// Writes the catalogue files that are missing from the data folder. A file that is already
// there, a player's own list for instance, is never touched unless overwriting is asked for.
class ListGenerator {
public:
    explicit ListGenerator(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    // Every catalogue file is then written, replacing the one already there.
    void setOverwrite(bool overwrite) { overwrite_ = overwrite; }

    std::vector<std::string> missingFiles() const;
    // Writes every missing file that the lexicon can fill (the reformed spellings need the
    // reformed dictionary). False, with errorText(), when a file could not be written.
    bool writeMissing(const Lexicon& lexicon, std::vector<ListReport>& reports);
    std::string errorText() const { return error_; }

    // At most `limit` lines, spread evenly over the whole list, in their order (for a caller
    // that wants a sample; the catalogue files carry every line).
    static std::vector<std::string> thinned(std::vector<std::string> lines, std::size_t limit);

private:
    bool writeList(const std::string& name, const std::vector<std::string>& lines);
    std::string pathOf(const std::string& name) const { return dataDir_ + "/" + name; }

    std::string dataDir_;
    std::string error_;
    bool overwrite_ = false;
};

}  // namespace listgen
