#pragma once

#include <study/ProgressBook.h>

#include <catalogue/ListRow.h>

#include <QString>

#include <optional>
#include <vector>

namespace training {

// The progress records of the earlier versions of vorlane: one JSON file a list in the
// progress folder (format "vorlane-progression", version 1). They are only read, to carry them
// into the study record once, and are left where they are, untouched.
class OlderProgress {
public:
    static constexpr int kVersion = 1;

    // <folder>/<list file's base name>.json.
    static QString recordPath(const QString& folder, const catalogue::ListRow& list);
    // The record at `path`; none, with the French reason in `reason` (empty when there is no
    // file), when it is missing, not a plain file, damaged or of a newer version.
    static std::optional<study::KeptProgress> read(const QString& path, QString* reason);
    // Every record of the catalogue's lists in `folder` that can be read.
    static std::vector<study::CarriedProgress> readAll(const QString& folder);
};

}  // namespace training
