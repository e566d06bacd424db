#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace files {

// New files put in the places of others all together, or not at all (UTF-8 paths; each new
// file and each second name on the volume of its place). keepOld() first gives every file that
// stands in a place a second name (a hard link, so that the place never stops naming a whole
// file; where the volume has no hard links and copies are allowed, a copy). switchIn() then
// renames the new files into their places one by one (replaceFile); a move without a new file
// takes the file out of its place. When any step fails, putBack() puts every replaced file
// back and takes away every new one, so that each place is as it was.
//
// The second names stay until removeKept(): a caller that keeps a journal of the switch
// (listfolder::StagedFiles) can undo one cut short from them. Errors are errno's numbers.
class FileSwitch {
public:
    struct Move {
        std::string from;       // the new file; empty: the place is emptied
        std::string to;         // the place
        std::string kept;       // the second name of the file in the place
        std::string label;      // how steps and messages name the move
        bool keeps = false;     // a file stood in the place and has its second name
        bool stranded = false;  // it could not be put back: its second name holds it
    };

    // `kept` empty: a name of its own beside `to`, drawn when the file is kept.
    void add(const std::string& from, const std::string& to, const std::string& kept,
             const std::string& label);
    const std::vector<Move>& moves() const { return moves_; }
    // The move whose step failed last.
    const Move& failed() const { return moves_.at(failed_); }

    // 0, or the error of failed(); the second names made stay for putBack().
    int keepOld();
    // 0, or the error of failed(); the moves before it are in place until putBack().
    int switchIn();
    // Every place as it was before switchIn(): 0, or the error of the first move that could
    // not be put back (stranded: its file keeps its second name, which removeKept() leaves).
    int putBack();
    // Removes the second names but those of stranded moves.
    void removeKept();

    // A copy where the volume refuses a hard link (FAT, exFAT).
    bool copyWhereNoLinks = false;
    // For tests: asked before each step ("lien LABEL", "remplacement LABEL", "retrait LABEL"):
    // 0 takes it, an error number makes it fail with that error.
    std::function<int(const std::string& step)> stepError;

private:
    int keep(Move& move) const;
    int secondName(Move& move) const;
    int step(const std::string& description) const;
    void syncPlaces() const;

    std::vector<Move> moves_;
    std::size_t switched_ = 0;
    std::size_t failed_ = 0;
};

}  // namespace files
