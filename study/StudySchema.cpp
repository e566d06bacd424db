#include <study/StudySchema.h>

#include <study/SqliteDatabase.h>

#include <sqlite3.h>

#include <string>

namespace study {

namespace {

// Version 1. Draws and solutions are the list file's Windows-1252 bytes (blobs); times are
// seconds since 1970 (UTC).
const char* const kTables = R"(
-- Each draw ever studied, one a list, draw and solutions. place: 0 out of the review, 1 in
-- the deck, 2 new (of a list being learned, not entered yet, in learn_order). The schedule
-- is DrawSchedule's; stability and difficulty are null before the first review.
CREATE TABLE deck_draw (
    id INTEGER PRIMARY KEY,
    list TEXT NOT NULL,
    draw BLOB NOT NULL,
    solutions BLOB NOT NULL,
    place INTEGER NOT NULL DEFAULT 0,
    learn_order INTEGER,
    stability REAL,
    difficulty REAL,
    last_review INTEGER NOT NULL DEFAULT 0,
    due INTEGER NOT NULL DEFAULT 0,
    reviews INTEGER NOT NULL DEFAULT 0,
    lapses INTEGER NOT NULL DEFAULT 0,
    UNIQUE (list, draw, solutions)
);
CREATE INDEX deck_due ON deck_draw (due) WHERE place = 1;
CREATE INDEX deck_new ON deck_draw (list, learn_order) WHERE place = 2;

-- Where a draw stood before the last review that found it, while it may still be counted as
-- missed.
CREATE TABLE found_undo (
    draw INTEGER PRIMARY KEY REFERENCES deck_draw (id),
    place INTEGER NOT NULL,
    stability REAL,
    difficulty REAL,
    last_review INTEGER NOT NULL,
    due INTEGER NOT NULL,
    reviews INTEGER NOT NULL,
    lapses INTEGER NOT NULL
);

-- Every corrected series and every answer of it.
CREATE TABLE correction (
    id INTEGER PRIMARY KEY,
    at INTEGER NOT NULL
);
CREATE TABLE answer (
    id INTEGER PRIMARY KEY,
    correction INTEGER NOT NULL REFERENCES correction (id),
    draw INTEGER NOT NULL REFERENCES deck_draw (id),
    found INTEGER NOT NULL,
    seconds INTEGER NOT NULL
);
CREATE INDEX answer_draw ON answer (draw);

-- The lists being learned a little each day, in the order they were started, and how many of
-- their new draws entered the review on their last day.
CREATE TABLE learned_list (
    list TEXT PRIMARY KEY,
    since INTEGER NOT NULL,
    day INTEGER NOT NULL DEFAULT 0,
    entered INTEGER NOT NULL DEFAULT 0
);

-- The player's choices (retention, new draws a day) and what the record did once.
CREATE TABLE setting (
    name TEXT PRIMARY KEY,
    value
);

-- The drill under way on each list: its counters and the list file it was made on; the
-- entries still in play, in the drill's order (position), with their success counts. A whole
-- write gives the drill a new generation.
CREATE TABLE list_progress (
    list TEXT PRIMARY KEY,
    title TEXT NOT NULL,
    file_path TEXT NOT NULL,
    file_size INTEGER NOT NULL,
    file_sha256 TEXT NOT NULL,
    list_size INTEGER NOT NULL,
    series_done INTEGER NOT NULL,
    errors INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    by_speed INTEGER NOT NULL,
    threshold REAL NOT NULL,
    generation INTEGER NOT NULL
);
CREATE TABLE progress_entry (
    list TEXT NOT NULL,
    position INTEGER NOT NULL,
    draw BLOB NOT NULL,
    solutions BLOB NOT NULL,
    successes INTEGER NOT NULL,
    PRIMARY KEY (list, position)
) WITHOUT ROWID;

-- What the player's figures read. A correction's list (the list drilled, its file name; null
-- for the review) and its seconds (the drill clock since the previous correction, else the sum
-- of its slots' seconds), with its answers and finds added up as they are kept; each drill of
-- a list finished; each draw's answers added up (streak: found at its last answers in a row),
-- and each list's.
ALTER TABLE correction ADD COLUMN list TEXT;
ALTER TABLE correction ADD COLUMN seconds INTEGER NOT NULL DEFAULT 0;
ALTER TABLE correction ADD COLUMN answers INTEGER NOT NULL DEFAULT 0;
ALTER TABLE correction ADD COLUMN found INTEGER NOT NULL DEFAULT 0;
CREATE INDEX correction_at ON correction (at);
CREATE INDEX correction_list ON correction (list, at, seconds) WHERE list IS NOT NULL;
CREATE INDEX answer_correction ON answer (correction);
CREATE TABLE drill_end (
    id INTEGER PRIMARY KEY,
    list TEXT NOT NULL,
    at INTEGER NOT NULL
);
CREATE INDEX drill_end_list ON drill_end (list);
CREATE TABLE draw_tally (
    draw INTEGER PRIMARY KEY REFERENCES deck_draw (id),
    seen INTEGER NOT NULL,
    missed INTEGER NOT NULL,
    streak INTEGER NOT NULL,
    last_missed INTEGER NOT NULL
);
CREATE INDEX draw_tally_missed ON draw_tally (missed, last_missed) WHERE missed > 0;
CREATE TABLE list_tally (
    list TEXT PRIMARY KEY,
    answers INTEGER NOT NULL,
    found INTEGER NOT NULL
);
CREATE TRIGGER answer_tally AFTER INSERT ON answer BEGIN
    UPDATE correction SET answers = answers + 1, found = found + NEW.found
        WHERE id = NEW.correction;
    INSERT INTO draw_tally (draw, seen, missed, streak, last_missed)
        SELECT NEW.draw, 1, NEW.found = 0, NEW.found <> 0,
               CASE WHEN NEW.found THEN 0 ELSE at END
        FROM correction WHERE id = NEW.correction
    ON CONFLICT (draw) DO UPDATE SET seen = seen + 1, missed = missed + excluded.missed,
        streak = CASE WHEN excluded.missed THEN 0 ELSE streak + 1 END,
        last_missed = max(last_missed, excluded.last_missed);
    INSERT INTO list_tally (list, answers, found)
        SELECT list, 1, NEW.found <> 0 FROM deck_draw WHERE id = NEW.draw
    ON CONFLICT (list) DO UPDATE SET answers = answers + 1, found = found + excluded.found;
END;
)";

}  // namespace

int StudySchema::create(SqliteDatabase& db)
{
    int code = db.exec("BEGIN IMMEDIATE");
    if (code != SQLITE_OK)
        return code;
    long long version = 0;
    code = db.integer("PRAGMA user_version", version);
    if (code == SQLITE_OK && version == 0)
        code = db.exec(kTables);
    if (code == SQLITE_OK && version == 0)
        code = db.exec("PRAGMA user_version = " + std::to_string(kVersion));
    if (code == SQLITE_OK)
        code = db.exec("COMMIT");
    if (code != SQLITE_OK)
        db.exec("ROLLBACK");
    return code;
}

}  // namespace study
