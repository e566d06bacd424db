#pragma once

#include <listmaking/RunControl.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace listmaking {

// A line of the player's list that gives no word, with its number from 1, its text (UTF-8,
// shortened when long) and the reason, in French.
struct RefusedLine {
    std::size_t number = 0;
    std::string text;
    std::string reason;
};

// A word as the player typed it: its game spelling and, when it was typed with accents (or a
// ligature), its spelling in small letters, which names only the dictionary words spelt so.
struct TypedWord {
    std::string game;
    std::string accented;  // empty for a word typed in plain letters: it stands for any spelling

    bool operator<(const TypedWord& other) const
    {
        return game != other.game ? game < other.game : accented < other.accented;
    }
};

// A player's own list of new words: one word per line, any case and accents, in any file a
// French player makes: UTF-8 with or without BOM, UTF-16 LE or BE (with BOM, or without when
// its zero bytes tell), Windows-1252; lines end with CR LF, LF or CR. The encoding is decided
// from the whole file and named. In an 8-bit file the lines in the other encoding (a line of
// UTF-8 in a Windows-1252 file, a stray Windows-1252 line in UTF-8) are refused and named
// with both readings, not turned into other words. Accents typed as combining marks join
// their letters (NFC) before a word is judged. Words are folded to the game spelling.
//
// The file is read twice as it comes: once to decide its encoding, once to take its words, so
// that the memory holds the words and not the file, and a huge line is refused without
// filling it. A file most of whose lines hold control characters or bytes that no text has
// is no list of words, and is refused whole.
class OwnWordList {
public:
    static constexpr std::size_t longestLine = 1000;      // bytes: far more than any word
    static constexpr std::size_t mostLines = 5'000'000;   // a list of words has far fewer
    static constexpr std::size_t keptRefusals = 100'000;  // the others are only counted
    static constexpr std::size_t longestWord = 30;        // letters: far more than any word

    // False, with `error` in French, when the file cannot be read, holds too many lines or
    // is no text; false with no error when `control` cancels it. Progress by the bytes read.
    bool read(const std::string& path, std::string& error, const RunControl& control = {});
    // The same from the file's bytes.
    void parse(std::string_view bytes);
    // After parse(): most lines hold control characters or undecodable bytes.
    bool isNotText() const { return suspectLines_ * 2 > textLines_; }

    // The words in game spelling, each once.
    const std::set<std::string>& words() const { return words_; }
    // The words as typed, each once: « pêche » and « PECHE » are two, « Pêche » and « PÊCHE »
    // one.
    const std::set<TypedWord>& typedWords() const { return typed_; }
    // The refused lines as "number: text" (for a short report), the first keptRefusals.
    const std::vector<std::string>& unreadable() const { return unreadable_; }
    const std::vector<RefusedLine>& refused() const { return refused_; }
    // Every refused line, kept or not.
    std::size_t refusedCount() const { return refusedCount_; }
    // « UTF-8 », « UTF-8 avec BOM », « UTF-16 LE », « UTF-16 BE », « Windows-1252 », « ASCII »
    // (a few more with « sans BOM »); empty before reading.
    const std::string& encoding() const { return encoding_; }
    // Lines that named a word already given.
    std::size_t repeats() const { return repeats_; }

private:
    enum class Mode { undecided, eightBit, utf16le, utf16be };
    enum class Pass { count, take };

    void startPass(Pass pass);
    void feed(std::string_view chunk);
    void finish();
    void decideMode();
    void decideEncoding();
    void feedEightBit(std::string_view chunk);
    void feedUtf16(std::string_view chunk);
    void endLine();
    void appendToLine(std::string_view bytes);
    void countLine(const std::string& bytes, bool tooLong);
    void takeRawLine(std::size_t number, const std::string& bytes, bool tooLong);
    void takeLine(std::size_t number, const std::string& utf8);
    void refuse(std::size_t number, const std::string& utf8, const std::string& reason);

    Pass pass_ = Pass::count;
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
    std::size_t textLines_ = 0;  // lines that are not empty
    bool tooManyLines_ = false;
    std::size_t utf8Lines_ = 0;   // 8-bit lines with accents that read as UTF-8
    std::size_t otherLines_ = 0;  // and those that do not
    bool utf8_ = false;           // the file's reading, once decided
    std::size_t suspectLines_ = 0;

    std::set<std::string> words_;
    std::set<TypedWord> typed_;
    std::vector<std::string> unreadable_;
    std::vector<RefusedLine> refused_;
    std::size_t refusedCount_ = 0;
    std::string encoding_;
    std::size_t repeats_ = 0;
};

}  // namespace listmaking
