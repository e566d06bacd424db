#pragma once

#include <training/progress/ListFingerprint.h>

#include <training/drill/CorrectionResult.h>
#include <training/drill/ListEntry.h>
#include <training/drill/SavedDrill.h>

#include <catalogue/ListRow.h>
#include <status/Status.h>
#include <study/ProgressBook.h>

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace drill {
class Drill;
}

namespace study {
class StudyRecord;
}

namespace training {

// The player's progress on the lists, one drill a list of the catalogue, kept in the study
// record (study::ProgressBook) and tied to the list file it was made on by its fingerprint. A
// drill is written whole at its first save, then each correction writes only what it changed.
// The JSON records of the earlier versions (OlderProgress, in the progress folder) are carried
// in once and left where they are.
class ProgressStore {
public:
    // What looking for the progress of a list finds.
    struct Found {
        enum class State {
            none,      // no record
            usable,    // made on the list file as it is now
            stale,     // made on another file, or on this one before it changed
            unusable,  // unreadable for now, or not made on this list: `reason` says which
        };
        State state = State::none;
        drill::SavedDrill saved;              // when usable
        QString reason;                       // French, when unusable
        std::vector<std::int32_t> positions;  // the record's own, parallel to saved.entries
        std::int64_t generation = 0;
    };

    // Keeps the progress in `record` (nothing is kept without one); `olderFolder` holds the
    // records of the earlier versions.
    ProgressStore(study::StudyRecord* record, QString olderFolder);
    ~ProgressStore();

    // <data home>/vorlane/progress: the earlier versions' records.
    static QString playerFolder();
    const QString& folder() const { return folder_; }
    bool keepsProgress() const { return book_ != nullptr; }

    // Carries the earlier versions' records into the study record, the first time only.
    status::Status carryOver();

    // The record of `list`, judged against the list file at `listPath` as it is now, and
    // against its entries when given: a record that names entries the list lacks is unusable.
    Found find(const catalogue::ListRow& list, const QString& listPath,
               const std::vector<drill::ListEntry>* entries = nullptr) const;
    // A drill started on the whole list: its first save is written whole.
    void startAfresh() { following_.reset(); }
    // A drill resumed from `found`: the next saves write only what changes.
    void follow(const catalogue::ListRow& list, const Found& found);
    // Keeps the drill as the progress of `list` on the file `file`: whole the first time,
    // then only what `corrected` (or the clock alone) changed. On failure what was kept stays
    // as it was, and the Status says why in French.
    status::Status keep(const catalogue::ListRow& list, const ListFingerprint& file,
                        const drill::Drill& drill, const drill::CorrectionResult* corrected);
    // Keeps `saved` whole as the progress of `list` on the file `file`.
    status::Status save(const catalogue::ListRow& list, const ListFingerprint& file,
                        const drill::SavedDrill& saved);
    void forget(const catalogue::ListRow& list);

    // The line said on standard error when a record cannot be used.
    QString ignoredLine(const catalogue::ListRow& list, const QString& reason) const;

private:
    // The drill whose changes the next save writes.
    struct Following {
        std::string list;
        std::int64_t generation = 0;
        std::vector<std::int32_t> positions;  // parallel to the drill's entries
        drill::SavedDrill counters;           // as last written, entries left empty
    };

    std::optional<study::ProgressChange> changeOf(const drill::Drill& drill,
                                                  const drill::CorrectionResult* corrected) const;
    void advance(const drill::Drill& drill, const drill::CorrectionResult* corrected);

    study::StudyRecord* record_;
    std::unique_ptr<study::ProgressBook> book_;
    QString folder_;
    std::optional<Following> following_;
};

}  // namespace training
