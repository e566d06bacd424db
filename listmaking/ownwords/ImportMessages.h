#pragma once

#include <listmaking/ownwords/OwnWordsImport.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace listmaking {

// The French text of a run as the player reads it, the same from every front end: listgen,
// `vorlane --mes-mots` and the import window of vorlane. What was read (encoding, words taken,
// refused lines: the first twenty and how many more the report holds), the notes, what became
// of the words, the lines per list, where the files went, and why a run failed.
//
// A line that the program says starts with "<program> : " when a program name is given (a
// terminal); a window gives none. A problem goes to the error stream of a terminal.
class ImportMessages {
public:
    struct Line {
        bool problem = false;
        std::string text;
    };
    using Lines = std::vector<Line>;

    static constexpr std::size_t shownRefusals = 20;

    explicit ImportMessages(std::string program = {}) : program_(std::move(program)) {}

    // The player's file as read: encoding, words, refused lines. `reportPath` is named when
    // more lines were refused than are shown (empty before the report is written).
    Lines reading(const OwnWordsSummary& summary, const std::string& reportPath) const;
    Lines notes(const std::vector<std::string>& notes) const;
    Lines files(const std::vector<std::pair<std::string, std::size_t>>& linesPerFile) const;
    // The words the dictionary knows, those it lacks, those without a form of 2 to 9 letters.
    Lines outcome(const OwnWordsSummary& summary) const;
    Lines failure(const std::string& error, bool cancelled) const;

    // A file that could not be read, or that holds no word of the game: `read` is what
    // OwnWordsImport::read() gave.
    Lines ofRead(const OwnWordsImport& import, const status::Status& read) const;
    // Everything an import says once it has run (`ran`, what run() gave), in the order it is
    // said.
    Lines ofRun(const OwnWordsImport& import, const status::Status& ran, const std::string& dataDir,
                double seconds) const;

    // For a terminal: says each new step of a long run once ("<program> : step…"), without
    // the list by list steps.
    std::function<void(double fraction, const std::string& step)>
    stepPrinter(std::FILE* out = stdout) const;

    // Problems to `errors`, the rest to `out`, in their order, each as shown (ShownText): the
    // paths they name come from the player and the system.
    static void print(const Lines& lines, std::FILE* out = stdout, std::FILE* errors = stderr);
    // One text, a line each (for a window), as shown.
    static std::string text(const Lines& lines);

private:
    Line said(const std::string& text, bool problem = false) const;
    void sentences(Lines& lines, const std::vector<std::string>& words, const char* sentence,
                   const std::string& reportPath) const;

    std::string program_;
};

}  // namespace listmaking
