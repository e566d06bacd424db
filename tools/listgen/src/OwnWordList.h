#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// A player's own list of new words: one word per line, UTF-8 or Windows-1252, any case and
// accents. Words are folded to the game spelling like every dictionary word.
class OwnWordList {
public:
    // False, with `error`, when the file cannot be read.
    bool read(const std::string& path, std::string& error);
    // The same from the file's bytes.
    void parse(std::string_view bytes);

    const std::set<std::string>& words() const { return words_; }
    // Lines that hold no word of the game (a hyphen, a digit…), with their number.
    const std::vector<std::string>& unreadable() const { return unreadable_; }

private:
    void parseLines(std::vector<std::string> lines);

    std::set<std::string> words_;
    std::vector<std::string> unreadable_;
};

}  // namespace listgen
