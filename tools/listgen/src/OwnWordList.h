#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace listgen {

// A line of the player's list that gives no word, with its number from 1, its text (UTF-8,
// shortened when long) and the reason, in French.
struct RefusedLine {
    std::size_t number = 0;
    std::string text;
    std::string reason;
};

// A player's own list of new words: one word per line, any case and accents, in any file a
// French player makes: UTF-8 with or without BOM, UTF-16 LE or BE (with BOM, or without when
// its zero bytes tell), Windows-1252; lines end with CR LF, LF or CR. The encoding is decided
// from the whole file and named. In an 8-bit file the lines in the other encoding (a line of
// UTF-8 in a Windows-1252 file, a stray Windows-1252 line in UTF-8) are refused and named
// with both readings, not turned into other words. Words are folded to the game spelling.
//
// The file is read as it comes, so that a huge line is refused without filling the memory.
class OwnWordList {
public:
    static constexpr std::size_t longestLine = 1000;     // bytes: far more than any word
    static constexpr std::size_t mostLines = 5'000'000;  // a list of words has far fewer

    // False, with `error` in French, when the file cannot be read or holds too many lines.
    bool read(const std::string& path, std::string& error);
    // The same from the file's bytes.
    void parse(std::string_view bytes);

    // The words in game spelling, each once.
    const std::set<std::string>& words() const { return words_; }
    // The refused lines as "number: text" (for a short report).
    const std::vector<std::string>& unreadable() const { return unreadable_; }
    const std::vector<RefusedLine>& refused() const { return refused_; }
    // « UTF-8 », « UTF-8 avec BOM », « UTF-16 LE », « UTF-16 BE », « Windows-1252 », « ASCII »
    // (a few more with « sans BOM »); empty before reading.
    const std::string& encoding() const { return encoding_; }
    // Lines that named a word already given.
    std::size_t repeats() const { return repeats_; }

private:
    enum class Mode { undecided, eightBit, utf16le, utf16be };
    struct RawLine {
        std::size_t number;
        std::string bytes;     // 8-bit: as in the file; UTF-16: already UTF-8
        bool tooLong = false;  // then only its start is kept
    };

    void feed(std::string_view chunk);
    void finish();
    void decideMode();
    void feedEightBit(std::string_view chunk);
    void feedUtf16(std::string_view chunk);
    void endLine();
    void appendToLine(std::string_view bytes);
    void takeLines();
    void takeLine(std::size_t number, const std::string& utf8);
    void refuse(std::size_t number, const std::string& utf8, const std::string& reason);

    Mode mode_ = Mode::undecided;
    std::string head_;  // the first bytes, kept until the encoding is known
    bool bom_ = false;
    bool lastWasCr_ = false;
    int pendingByte_ = -1;        // UTF-16: the first byte of a code unit
    char16_t highSurrogate_ = 0;  // UTF-16: the first half of a pair
    std::string current_;
    bool currentTooLong_ = false;
    std::size_t currentSize_ = 0;
    std::size_t lineNumber_ = 0;
    bool tooManyLines_ = false;
    std::vector<RawLine> lines_;

    std::set<std::string> words_;
    std::vector<std::string> unreadable_;
    std::vector<RefusedLine> refused_;
    std::string encoding_;
    std::size_t repeats_ = 0;
};

}  // namespace listgen
