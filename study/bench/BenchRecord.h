#pragma once

#include <study/SqliteDatabase.h>
#include <study/StudyRecord.h>
#include <study/bench/BenchTiming.h>

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace study::bench {

// The size of a benchmark's record: its answers, its draws, and one draw in `inDeckEvery` in the
// deck.
struct RecordSize {
    long long answers;
    long long draws;
    int inDeckEvery;
};

// A record of a player's years of study, written straight in SQL, the record's triggers adding
// up as they do when the program writes: `draws` draws of five lists, due from 30 days ago to 60
// days ahead, some in the deck; series of 30 answers ten minutes apart
// back from `now`, every fifth a review, the others each on one of the lists.
inline bool fillRecord(StudyRecord& record, std::int64_t now, const RecordSize& size)
{
    const std::string at = std::to_string(now);
    const std::string drawCount = std::to_string(size.draws);
    const std::string count = "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i + 1 < ";
    const std::string sql = "BEGIN;" + count + drawCount
        + ") INSERT INTO deck_draw (list, draw, solutions, place, stability, difficulty, "
          "last_review, due, reviews, lapses) SELECT 'ods6new_' || (5 + i % 5) || 'L.txt', "
          "CAST(printf('T%07d', i) AS BLOB), CAST(printf('S%07d', i) AS BLOB), i % "
        + std::to_string(size.inDeckEvery) + " = 0, 3.5, 5.0, " + at + " - 86400 * 10, " + at
        + " + 86400 * (i % 90 - 30), 4, 1 FROM n;" + count + std::to_string(size.answers / 30)
        + ") INSERT INTO correction (id, at, list, seconds) SELECT i + 1, " + at
        + " - 600 * i, CASE WHEN i % 5 = 0 THEN NULL ELSE 'ods6new_' || (5 + i % 5) || "
          "'L.txt' END, 95 FROM n;"
        + count + std::to_string(size.answers)
        + ") INSERT INTO answer (correction, draw, found, seconds) SELECT i / 30 + 1, "
          "(i * 7919) % "
        + drawCount + " + 1, i % 3 <> 0, i % 40 FROM n;COMMIT;";
    return record.database().exec(sql) == SQLITE_OK;
}

// Makes the record at `path`, its clock at `now`, and fills it: the milliseconds the filling
// took. `ok` turns false when either fails.
inline double makeRecord(const std::string& path, std::int64_t now, const RecordSize& size,
                         bool& ok)
{
    StudyRecord record([now] { return now; });
    ok = record.open(path).ok() && ok;
    return milliseconds([&] { return fillRecord(record, now, size); }, ok);
}

}  // namespace study::bench
