#pragma once

#include <training/progress/ListFingerprint.h>

#include <training/drill/SavedDrill.h>

#include <catalogue/ListRow.h>

#include <QString>

namespace training {

// The player's progress on the lists, one record a list of the catalogue, kept in a folder of
// the player's (never in a lists folder, which going back to the original lists moves away).
// A record is JSON with a format version; it belongs to the list file it was made on, by its
// fingerprint, and is written whole or not at all.
class ProgressStore {
public:
    static constexpr int kVersion = 1;

    // What looking for the progress of a list finds.
    struct Found {
        enum class Status {
            none,      // no record
            usable,    // made on the list file as it is now
            stale,     // made on another file, or on this one before it changed
            unusable,  // damaged, or written by a newer version: `reason` says which
        };
        Status status = Status::none;
        drill::SavedDrill saved;  // when usable
        QString reason;           // French, when unusable
    };

    explicit ProgressStore(QString folder);

    // <data home>/vorlane/progress.
    static QString playerFolder();
    const QString& folder() const { return folder_; }
    QString recordPath(const catalogue::ListRow& list) const;

    // The record of `list`, judged against the list file at `listPath` as it is now.
    Found find(const catalogue::ListRow& list, const QString& listPath) const;
    // Keeps `saved` as the progress of `list` on the file `file`. On failure the earlier record
    // stays as it was, and `why` gets the French reason.
    bool save(const catalogue::ListRow& list, const ListFingerprint& file,
              const drill::SavedDrill& saved, QString* why) const;
    void forget(const catalogue::ListRow& list) const;

    // The line said on standard error when a record cannot be used.
    QString ignoredLine(const catalogue::ListRow& list, const QString& reason) const;

private:
    QString folder_;
};

}  // namespace training
