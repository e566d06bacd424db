#pragma once

#include <status/Result.h>
#include <status/Status.h>
#include <training/drill/Criterion.h>
#include <training/drill/SavedDrill.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace study {

class StudyRecord;

// The list file a drill's progress was made on: where it lay, its size and its SHA-256.
struct ListFile {
    std::string path;  // UTF-8
    std::int64_t size = 0;
    std::string sha256;  // hexadecimal
};

// The drill under way on a list, as the record holds it. Its entries keep the position they
// had when the drill was written whole, so that a correction names only what it changed.
struct KeptProgress {
    std::string title;  // the list's title, UTF-8
    ListFile file;
    drill::SavedDrill saved;
    std::vector<std::int32_t> positions;  // parallel to saved.entries
    std::int64_t generation = 0;
};

// What one correction (or a drill clock that went on) changed: counters to add, entries whose
// success count changed, entries eliminated, and the criterion the counts are now made under.
struct ProgressChange {
    std::int32_t seriesAdded = 0;
    std::int32_t errorsAdded = 0;
    std::int32_t secondsAdded = 0;
    drill::Criterion criterion = drill::Criterion::BySuccesses;
    double threshold = 1;
    std::vector<std::pair<std::int32_t, std::int32_t>> counted;  // position, successes
    std::vector<std::int32_t> eliminated;                        // positions
};

// A JSON record of the older progress folder, to carry into the record.
struct CarriedProgress {
    std::string list;  // the list's file name
    KeptProgress kept;
};

// The drill progress of each list, in the study record: a list is its file name. A drill is
// written whole once, then each correction writes only its changes, its counters added to
// what the record holds: two programs on one list add up their series and errors and both
// keep their eliminations.
class ProgressBook {
public:
    explicit ProgressBook(StudyRecord& record) : record_(record) {}

    status::Result<std::optional<KeptProgress>> find(const std::string& list);
    // Writes the drill whole, in place of any other on the list; its generation.
    status::Result<std::int64_t> saveWhole(const std::string& list, const std::string& title,
                                           const ListFile& file, const drill::SavedDrill& saved);
    // Applies `change` to the drill of `generation`: false, with nothing written, when the list
    // holds another drill now (made again, or finished by another program) or none.
    status::Result<bool> saveChange(const std::string& list, std::int64_t generation,
                                    const ProgressChange& change);
    status::Status forget(const std::string& list);

    // Whether the older records have been carried in already.
    status::Result<bool> carriedOver();
    // Carries `records` in, unless another program did it first, in one transaction; a list
    // the record already holds keeps its own.
    status::Status carryOver(const std::vector<CarriedProgress>& records);

    // A threshold the record can hold and the drill resumes with: an infinite one compares
    // with every success count as the largest finite one does.
    static double storable(double threshold);

private:
    int writeWhole(const std::string& list, const KeptProgress& kept, std::int64_t generation);
    int writeEntries(const std::string& list, const KeptProgress& kept);
    int readEntries(const std::string& list, KeptProgress& kept);
    int generationOf(const std::string& list, std::int64_t& generation);
    int applyCounters(const std::string& list, const ProgressChange& change);
    int applyEntries(const std::string& list, const ProgressChange& change);

    StudyRecord& record_;
};

}  // namespace study
