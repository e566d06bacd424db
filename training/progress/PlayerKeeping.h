#pragma once

#include <training/progress/DrillOptions.h>
#include <training/progress/ProgressStore.h>
#include <training/progress/ReviewOptions.h>

#include <catalogue/ListRow.h>
#include <study/Study.h>

#include <QString>

#include <memory>

namespace study {
class StudyRecord;
}

namespace training {

// What is kept of the player from one run to the next, in the one place that the launcher and
// the training window both ask: the player's study record, the progress on each list kept in
// it (ProgressStore), and the options of the training window and of the review in the player's
// options file.
class PlayerKeeping {
public:
    // Keeps nothing: no record, no progress, no options (a training window on its own).
    PlayerKeeping();
    // The player's own, from the player's folders: the study record opened (a damaged one set
    // aside, a missing one made), the earlier versions' progress carried into it the first
    // time, the options file and the review's options read from it. What went wrong is said
    // on standard error, and what the player should read in openingNote().
    static std::unique_ptr<PlayerKeeping> ofPlayer();
    ~PlayerKeeping();
    PlayerKeeping(const PlayerKeeping&) = delete;
    PlayerKeeping& operator=(const PlayerKeeping&) = delete;

    ProgressStore& progress() { return progress_; }
    const ProgressStore& progress() const { return progress_; }
    // The record ofPlayer opened; null when none could be (« Mes progrès » reads it).
    study::StudyRecord* record() const { return record_.get(); }
    // The study record that corrections and the review use: the player's record, or the one
    // given instead (null: none); the player's review options apply to it.
    study::Study* study() const { return study_; }
    void setStudy(study::Study* study);
    // What opening the record, or carrying the earlier progress in, has to tell the player;
    // empty when all went well.
    const QString& openingNote() const { return openingNote_; }

    // The training window's options: those kept (the design's without an options file), and
    // the ones to keep (nothing is written without an options file).
    DrillOptions drillOptions() const;
    void keep(const DrillOptions& options) const;
    // The review's options, and a new policy kept in the options file and given to the record.
    const ReviewOptions& reviewOptions() const { return reviewOptions_; }
    void keep(const study::ReviewPolicy& policy);

    // A record found for `list` that is not taken up: a stale one (made on another file) is
    // forgotten, an unusable one is said on standard error with its reason, and left.
    void passOver(const catalogue::ListRow& list, const ProgressStore::Found& found);

private:
    PlayerKeeping(std::unique_ptr<study::StudyRecord> record, QString optionsFile);

    std::unique_ptr<study::StudyRecord> record_;
    ProgressStore progress_;
    QString optionsFile_;
    ReviewOptions reviewOptions_;
    study::Study* study_ = nullptr;
    QString openingNote_;
};

}  // namespace training
