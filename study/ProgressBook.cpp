#include <study/ProgressBook.h>

#include <study/SqliteStatement.h>
#include <study/StudyRecord.h>

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace study {

namespace {

constexpr std::int64_t kSeriesMost = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kCounterMost = std::numeric_limits<std::int32_t>::max();

// The next generation, never given before in this record, even to a list since forgotten.
int nextGeneration(SqliteDatabase& db, std::int64_t& generation)
{
    int code = db.exec("INSERT INTO setting (name, value) VALUES ('generation', 1) "
                       "ON CONFLICT (name) DO UPDATE SET value = value + 1");
    long long value = 0;
    if (code == SQLITE_OK)
        code = db.integer("SELECT value FROM setting WHERE name = 'generation'", value);
    generation = value;
    return code;
}

}  // namespace

double ProgressBook::storable(double threshold)
{
    if (std::isnan(threshold))
        return 0;
    const double most = std::numeric_limits<double>::max();
    return std::isinf(threshold) ? (threshold > 0 ? most : -most) : threshold;
}

status::Result<std::optional<KeptProgress>> ProgressBook::find(const std::string& list)
{
    SqliteDatabase& db = record_.database();
    int code = SQLITE_OK;
    SqliteStatement* read = db.cached(
        "SELECT title, file_path, file_size, file_sha256, list_size, series_done, errors, "
        "seconds, by_speed, threshold, generation FROM list_progress WHERE list = ?1",
        code);
    if (!read)
        return record_.readFailure(code);
    read->bindText(1, list);
    code = read->step();
    if (code != SQLITE_ROW) {
        read->reset();
        if (code != SQLITE_DONE)
            return record_.readFailure(code);
        return std::optional<KeptProgress>();
    }
    KeptProgress kept;
    kept.title = read->text(0);
    kept.file = {read->text(1), read->integer(2), read->text(3)};
    kept.saved.listSize = static_cast<std::int32_t>(read->integer(4));
    kept.saved.seriesDone = static_cast<std::int16_t>(read->integer(5));
    kept.saved.errorCount = static_cast<std::int32_t>(read->integer(6));
    kept.saved.totalSeconds = static_cast<std::int32_t>(read->integer(7));
    kept.saved.criterion =
        read->integer(8) ? drill::Criterion::BySpeed : drill::Criterion::BySuccesses;
    kept.saved.threshold = read->real(9);
    kept.generation = read->integer(10);
    read->reset();
    if ((code = readEntries(list, kept)) != SQLITE_OK)
        return record_.readFailure(code);
    return std::optional<KeptProgress>(std::move(kept));
}

int ProgressBook::readEntries(const std::string& list, KeptProgress& kept)
{
    int code = SQLITE_OK;
    SqliteStatement* read = record_.database().cached(
        "SELECT position, draw, solutions, successes FROM progress_entry WHERE list = ?1 "
        "ORDER BY position",
        code);
    if (!read)
        return code;
    read->bindText(1, list);
    while ((code = read->step()) == SQLITE_ROW) {
        kept.positions.push_back(static_cast<std::int32_t>(read->integer(0)));
        kept.saved.entries.push_back({read->text(1), read->text(2)});
        kept.saved.successCount.push_back(static_cast<std::int32_t>(read->integer(3)));
    }
    read->reset();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

status::Result<std::int64_t> ProgressBook::saveWhole(const std::string& list,
                                                     const std::string& title, const ListFile& file,
                                                     const drill::SavedDrill& saved)
{
    KeptProgress kept{title, file, saved, {}, 0};
    for (std::size_t k = 0; k < saved.entries.size(); ++k)
        kept.positions.push_back(static_cast<std::int32_t>(k));
    std::int64_t generation = 0;
    const status::Status written = record_.write([&](std::int64_t) {
        const int code = nextGeneration(record_.database(), generation);
        return code == SQLITE_OK ? writeWhole(list, kept, generation) : code;
    });
    if (!written)
        return written;
    return generation;
}

int ProgressBook::writeWhole(const std::string& list, const KeptProgress& kept,
                             std::int64_t generation)
{
    SqliteDatabase& db = record_.database();
    int code = SQLITE_OK;
    SqliteStatement* put = db.cached(
        "INSERT OR REPLACE INTO list_progress (list, title, file_path, file_size, file_sha256, "
        "list_size, series_done, errors, seconds, by_speed, threshold, generation) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)",
        code);
    if (!put)
        return code;
    const drill::SavedDrill& saved = kept.saved;
    put->bindText(1, list);
    put->bindText(2, kept.title);
    put->bindText(3, kept.file.path);
    put->bind(4, kept.file.size);
    put->bindText(5, kept.file.sha256);
    put->bind(6, static_cast<std::int64_t>(saved.listSize));
    put->bind(7, static_cast<std::int64_t>(saved.seriesDone));
    put->bind(8, static_cast<std::int64_t>(saved.errorCount));
    put->bind(9, static_cast<std::int64_t>(saved.totalSeconds));
    put->bind(10, static_cast<std::int64_t>(saved.criterion == drill::Criterion::BySpeed));
    put->bind(11, storable(saved.threshold));
    put->bind(12, generation);
    if ((code = put->run()) != SQLITE_OK)
        return code;
    return writeEntries(list, kept);
}

int ProgressBook::writeEntries(const std::string& list, const KeptProgress& kept)
{
    SqliteDatabase& db = record_.database();
    int code = SQLITE_OK;
    SqliteStatement* clear = db.cached("DELETE FROM progress_entry WHERE list = ?1", code);
    if (!clear)
        return code;
    clear->bindText(1, list);
    if ((code = clear->run()) != SQLITE_OK)
        return code;
    SqliteStatement* add = db.cached("INSERT INTO progress_entry (list, position, draw, "
                                     "solutions, successes) VALUES (?1, ?2, ?3, ?4, ?5)",
                                     code);
    if (!add)
        return code;
    for (std::size_t k = 0; k < kept.saved.entries.size(); ++k) {
        add->bindText(1, list);
        add->bind(2, static_cast<std::int64_t>(kept.positions[k]));
        add->bindBlob(3, kept.saved.entries[k].draw);
        add->bindBlob(4, kept.saved.entries[k].solutions);
        add->bind(5, static_cast<std::int64_t>(kept.saved.successCount[k]));
        if ((code = add->run()) != SQLITE_OK)
            return code;
    }
    return SQLITE_OK;
}

status::Result<bool> ProgressBook::saveChange(const std::string& list, std::int64_t generation,
                                              const ProgressChange& change)
{
    bool applied = false;
    const status::Status written = record_.write([&](std::int64_t) {
        std::int64_t now = 0;
        int code = generationOf(list, now);
        if (code != SQLITE_OK || now != generation)
            return code;
        if ((code = applyCounters(list, change)) == SQLITE_OK)
            code = applyEntries(list, change);
        applied = code == SQLITE_OK;
        return code;
    });
    if (!written)
        return written;
    return applied;
}

// 0 when the list holds no drill.
int ProgressBook::generationOf(const std::string& list, std::int64_t& generation)
{
    int code = SQLITE_OK;
    SqliteStatement* read =
        record_.database().cached("SELECT generation FROM list_progress WHERE list = ?1", code);
    if (!read)
        return code;
    read->bindText(1, list);
    code = read->step();
    generation = code == SQLITE_ROW ? read->integer(0) : 0;
    read->reset();
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

int ProgressBook::applyCounters(const std::string& list, const ProgressChange& change)
{
    int code = SQLITE_OK;
    SqliteStatement* put = record_.database().cached(
        "UPDATE list_progress SET series_done = max(min(series_done + ?1, ?4), 0), "
        "errors = max(min(errors + ?2, ?5), 0), seconds = max(min(seconds + ?3, ?5), 0), "
        "by_speed = ?6, threshold = ?7 WHERE list = ?8",
        code);
    if (!put)
        return code;
    put->bind(1, static_cast<std::int64_t>(change.seriesAdded));
    put->bind(2, static_cast<std::int64_t>(change.errorsAdded));
    put->bind(3, static_cast<std::int64_t>(change.secondsAdded));
    put->bind(4, kSeriesMost);
    put->bind(5, kCounterMost);
    put->bind(6, static_cast<std::int64_t>(change.criterion == drill::Criterion::BySpeed));
    put->bind(7, storable(change.threshold));
    put->bindText(8, list);
    return put->run();
}

// An entry another program eliminated stays eliminated: its count finds no row.
int ProgressBook::applyEntries(const std::string& list, const ProgressChange& change)
{
    SqliteDatabase& db = record_.database();
    int code = SQLITE_OK;
    SqliteStatement* count = db.cached(
        "UPDATE progress_entry SET successes = ?1 WHERE list = ?2 AND position = ?3", code);
    if (!count)
        return code;
    for (const auto& [position, successes] : change.counted) {
        count->bind(1, static_cast<std::int64_t>(successes));
        count->bindText(2, list);
        count->bind(3, static_cast<std::int64_t>(position));
        if ((code = count->run()) != SQLITE_OK)
            return code;
    }
    SqliteStatement* gone =
        db.cached("DELETE FROM progress_entry WHERE list = ?1 AND position = ?2", code);
    if (!gone)
        return code;
    for (const std::int32_t position : change.eliminated) {
        gone->bindText(1, list);
        gone->bind(2, static_cast<std::int64_t>(position));
        if ((code = gone->run()) != SQLITE_OK)
            return code;
    }
    return SQLITE_OK;
}

status::Status ProgressBook::forget(const std::string& list)
{
    return record_.write([&](std::int64_t) {
        int code = SQLITE_OK;
        for (const char* sql : {"DELETE FROM progress_entry WHERE list = ?1",
                                "DELETE FROM list_progress WHERE list = ?1"}) {
            SqliteStatement* gone = record_.database().cached(sql, code);
            if (!gone)
                return code;
            gone->bindText(1, list);
            if ((code = gone->run()) != SQLITE_OK)
                return code;
        }
        return SQLITE_OK;
    });
}

status::Result<bool> ProgressBook::carriedOver()
{
    long long carried = 0;
    const int code = record_.database().integer(
        "SELECT count(*) FROM setting WHERE name = 'progress_carried_over'", carried);
    if (code != SQLITE_OK)
        return record_.readFailure(code);
    return carried != 0;
}

status::Status ProgressBook::carryOver(const std::vector<CarriedProgress>& records)
{
    return record_.write([&](std::int64_t) {
        SqliteDatabase& db = record_.database();
        long long done = 0;
        int code =
            db.integer("SELECT count(*) FROM setting WHERE name = 'progress_carried_over'", done);
        if (code != SQLITE_OK || done != 0)
            return code;
        for (const CarriedProgress& record : records) {
            std::int64_t held = 0, generation = 0;
            if ((code = generationOf(record.list, held)) != SQLITE_OK)
                return code;
            if (held != 0)
                continue;
            KeptProgress kept = record.kept;
            kept.positions.clear();
            for (std::size_t k = 0; k < kept.saved.entries.size(); ++k)
                kept.positions.push_back(static_cast<std::int32_t>(k));
            if ((code = nextGeneration(db, generation)) != SQLITE_OK
                || (code = writeWhole(record.list, kept, generation)) != SQLITE_OK)
                return code;
        }
        return db.exec("INSERT INTO setting (name, value) VALUES ('progress_carried_over', 1)");
    });
}

}  // namespace study
