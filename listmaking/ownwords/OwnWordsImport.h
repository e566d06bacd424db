#pragma once

#include <lexicon/Lexicon.h>
#include <lexicon/SourceFiles.h>
#include <listfolder/ListFolder.h>
#include <listmaking/RunControl.h>
#include <listmaking/ownwords/OwnWordList.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace listmaking {

struct OwnWordsSettings {
    std::string dataDir;
    lexicon::SourcePaths
        sources;             // the dictionaries, the work folder (prepared lexicon), the stop list
    bool overwrite = false;  // replace the files already in the data folder
    // How the player asks for that, for the message of a run that would replace files.
    std::string howToReplace = "ajouter OVERWRITE=1 à la commande make (--overwrite pour listgen)";
};

// What an import did, for the screen and the report.
struct OwnWordsSummary {
    std::string playerFile;
    std::string encoding;              // as OwnWordList names it
    std::size_t wordsTaken = 0;        // distinct words as typed
    std::size_t repeats = 0;           // lines naming a word already given
    std::vector<RefusedLine> refused;  // the refused lines, the first OwnWordList keeps
    std::size_t refusedCount = 0;      // every refused line
    std::size_t wordsFound = 0;        // known to the dictionary
    std::vector<std::string> missing;  // unknown to it: drilled as typed
    std::vector<std::string> withoutShortForm;
    std::vector<std::string> missingOutOfRange;
    std::vector<std::pair<std::string, std::size_t>> linesPerFile;  // every file written
    std::string reportPath;
    bool lexiconMade = false;        // the prepared lexicon was made by this run
    std::vector<std::string> notes;  // older lists missing, leftovers undone...
};

// The catalogue lists of a player's own list of new words, and the report of what became of its
// lines, for the command line and for a window alike. Four steps:
//   read()  the player's file, decoded and named (OwnWordList); a file without any word of the
//           game is refused here;
//   plan()  the data folder (made when missing) and which of the files are already there;
//           refused while another run holds the lock (RunLock);
//   prepare() the prepared lexicon and the families of the words; a file none of whose words
//           gives a form of 2 to 9 letters is refused here;
//   run()   under the lock, the lists cut from the prepared lexicon, written aside and switched
//           in together (StagedFiles), with progress and a cancel flag polled often. A run
//           that would replace files without `overwrite`, or that meets a file it must not
//           replace, writes nothing. On failure or cancel the data folder stays as it was and
//           no temporary file is left; a data folder that plan() made is removed again while
//           it is empty, by a failed run or when the import is dropped before it ran.
class OwnWordsImport {
public:
    static constexpr const char* reportName = "mots_absents_du_dictionnaire.txt";

    explicit OwnWordsImport(OwnWordsSettings settings);
    ~OwnWordsImport();
    OwnWordsImport(const OwnWordsImport&) = delete;
    OwnWordsImport& operator=(const OwnWordsImport&) = delete;

    // False, with errorText(), when the file cannot be read or holds no word of the game;
    // false and cancelled() when `control` cancels it.
    bool read(const std::string& playerFile, const RunControl& control = {});
    const OwnWordList& list() const { return list_; }
    bool plan();
    const listfolder::FolderPlan& folderPlan() const { return plan_; }
    // After plan(): why run() would write nothing (files that must stay, or files already
    // there without leave to replace them), in French; empty when it may go on.
    std::string refusal() const;
    // The prepared lexicon obtained (made when missing or stale) and the families of the
    // words found, once; false when no list would hold a word (then nothing is written).
    // run() does it first when it was not done.
    bool prepare(const RunControl& control = {});
    bool run(const RunControl& control = {});
    const OwnWordsSummary& summary() const { return summary_; }

    // Why the last step failed, in French; empty after a cancelled run.
    std::string errorText() const { return error_; }
    bool cancelled() const { return cancelled_; }
    // The names of the files of a run: the catalogue files, then the report.
    static std::vector<std::string> fileNames();

    // Asked under the lock, once the new files are written aside and before they take their
    // places (a front end keeps the files they replace); false, with `error` in French, stops
    // the run with nothing changed.
    std::function<bool(std::string& error)> beforeSwitch;
    // For tests: handed to StagedFiles::allowStep.
    std::function<bool(const std::string& step)> allowStep;

private:
    bool stop(const RunControl& control);
    // What a failed write adds to its reason: the player's files are as they were.
    std::string unchanged() const;
    std::string noShortForm() const;
    // Why a list of the catalogue is not made, for the notes.
    std::string leftOut(const std::string& name) const;
    bool write(const RunControl& control);
    void removeMadeFolder();

    OwnWordsSettings settings_;
    OwnWordList list_;
    bool read_ = false;
    bool madeFolder_ = false;  // plan() made the data folder
    bool succeeded_ = false;
    listfolder::FolderPlan plan_;
    std::unique_ptr<lexicon::Lexicon> lexicon_;  // after prepare()
    double lexiconPart_ = 0.6;                   // of the progress, for obtaining the lexicon
    OwnWordsSummary summary_;
    std::string error_;
    bool cancelled_ = false;
};

}  // namespace listmaking
