#include <study/StudyRecord.h>

#include <study/LocalDay.h>
#include <study/SqliteReason.h>
#include <study/SqliteStatement.h>
#include <study/StudyFile.h>

#include <files/ShownPath.h>

#include <sqlite3.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace study {

namespace {

// Where a draw stands (deck_draw.place).
constexpr int kOut = 0;
constexpr int kInDeck = 1;
constexpr int kNew = 2;

const char* const kSchedule = "stability, difficulty, last_review, due, reviews, lapses";

// Reads the six columns of kSchedule from `first` on.
DrawSchedule scheduleAt(const SqliteStatement& row, int first)
{
    DrawSchedule schedule;
    if (!row.isNull(first) && !row.isNull(first + 1))
        schedule.memory = MemoryState{row.real(first), row.real(first + 1)};
    schedule.lastReview = row.integer(first + 2);
    schedule.due = row.integer(first + 3);
    schedule.reviews = static_cast<std::int32_t>(row.integer(first + 4));
    schedule.lapses = static_cast<std::int32_t>(row.integer(first + 5));
    return schedule;
}

// Binds a schedule to the six parameters from `first` on.
void bindSchedule(SqliteStatement& statement, int first, const DrawSchedule& schedule)
{
    if (schedule.memory) {
        statement.bind(first, schedule.memory->stability);
        statement.bind(first + 1, schedule.memory->difficulty);
    }
    statement.bind(first + 2, schedule.lastReview);
    statement.bind(first + 3, schedule.due);
    statement.bind(first + 4, static_cast<std::int64_t>(schedule.reviews));
    statement.bind(first + 5, static_cast<std::int64_t>(schedule.lapses));
}

DeckDraw deckDrawAt(const SqliteStatement& row)
{
    return {row.text(0), row.text(1), row.text(2)};
}

// The one number `sql` gives (a count, a sum), its parameters bound in order from 1.
int readNumber(SqliteDatabase& db, const char* sql, std::initializer_list<std::int64_t> parameters,
               std::int64_t& number)
{
    int code = SQLITE_OK;
    SqliteStatement* read = db.cached(sql, code);
    if (!read)
        return code;
    int index = 1;
    for (const std::int64_t parameter : parameters)
        read->bind(index++, parameter);
    code = read->step();
    number = code == SQLITE_ROW ? read->integer(0) : 0;
    read->reset();
    return code == SQLITE_ROW ? SQLITE_OK : code;
}

}  // namespace

StudyRecord::StudyRecord(Clock clock)
    : clock_(std::move(clock)),
      openFailure_(status::Status::failure("le relevé d'étude n'est pas ouvert")),
      fsrs_(policy_.desiredRetention)
{
}

status::Status StudyRecord::open(const std::string& path)
{
    path_ = path;
    openFailure_ = StudyFile::open(path, clock_(), db_, setAsideAs_);
    if (openFailure_)
        readPolicy();
    return openFailure_;
}

// The player's choices kept in the record, else the defaults.
void StudyRecord::readPolicy()
{
    ReviewPolicy kept;
    int code = SQLITE_OK;
    if (SqliteStatement* read = db_.cached("SELECT name, value FROM setting", code)) {
        while (read->step() == SQLITE_ROW) {
            const std::string name = read->text(0);
            if (name == "retention" && read->real(1) > 0 && read->real(1) < 1)
                kept.desiredRetention = read->real(1);
            if (name == "new_per_day" && read->integer(1) >= 0 && read->integer(1) <= 100000)
                kept.newPerDay = static_cast<std::int32_t>(read->integer(1));
        }
        read->reset();
    }
    policy_ = kept;
    fsrs_ = Fsrs(policy_.desiredRetention);
}

void StudyRecord::setPolicy(const ReviewPolicy& policy)
{
    if (policy.desiredRetention > 0 && policy.desiredRetention < 1)
        policy_.desiredRetention = policy.desiredRetention;
    policy_.newPerDay = std::max<std::int32_t>(policy.newPerDay, 0);
    fsrs_ = Fsrs(policy_.desiredRetention);
    // Kept for the next run when it can be; this run uses it either way.
    (void)write([this](std::int64_t) {
        int code = SQLITE_OK;
        SqliteStatement* put = db_.cached("INSERT INTO setting (name, value) VALUES (?1, ?2) "
                                          "ON CONFLICT (name) DO UPDATE SET value = excluded.value",
                                          code);
        if (!put)
            return code;
        put->bindText(1, "retention");
        put->bind(2, policy_.desiredRetention);
        code = put->run();
        if (code != SQLITE_OK)
            return code;
        put->bindText(1, "new_per_day");
        put->bind(2, static_cast<std::int64_t>(policy_.newPerDay));
        return put->run();
    });
}

status::Status StudyRecord::write(const std::function<int(std::int64_t now)>& work)
{
    if (!db_.isOpen())
        return openFailure_ ? status::Status::failure("le relevé d'étude n'est pas ouvert")
                            : openFailure_;
    int code = db_.exec("BEGIN IMMEDIATE");
    if (code == SQLITE_OK)
        code = work(clock_());
    if (code == SQLITE_OK)
        code = db_.exec("COMMIT");
    if (code == SQLITE_OK)
        return {};
    if (!sqlite3_get_autocommit(db_.handle()))
        db_.exec("ROLLBACK");
    return status::Status::failure("impossible d'écrire dans le relevé d'étude « "
                                   + files::shownPath(path_) + " » : " + sqliteReason(code));
}

status::Status StudyRecord::readFailure(int code) const
{
    if (!db_.isOpen())
        return openFailure_ ? status::Status::failure("le relevé d'étude n'est pas ouvert")
                            : openFailure_;
    return status::Status::failure("impossible de lire le relevé d'étude « "
                                   + files::shownPath(path_) + " » : " + sqliteReason(code));
}

// ---------------------------------------------------------------- corrections

status::Status StudyRecord::recordCorrection(const std::vector<SlotAnswer>& answers)
{
    return recordSeries(answers, SeriesOrigin{});
}

status::Status StudyRecord::recordSeries(const std::vector<SlotAnswer>& answers,
                                         const SeriesOrigin& origin)
{
    return write([&](std::int64_t now) {
        std::int64_t correction = 0;
        int code = addCorrection(answers, origin, now, correction);
        for (const SlotAnswer& answer : answers)
            if (code == SQLITE_OK)
                code = recordAnswer(correction, answer, now);
        if (code != SQLITE_OK || !origin.finishesDrill || origin.list.empty())
            return code;
        SqliteStatement* end = db_.cached("INSERT INTO drill_end (list, at) VALUES (?1, ?2)", code);
        if (!end)
            return code;
        end->bindText(1, origin.list);
        end->bind(2, now);
        return end->run();
    });
}

// The correction's row: its time, its list (none for the review) and the seconds it took.
int StudyRecord::addCorrection(const std::vector<SlotAnswer>& answers, const SeriesOrigin& origin,
                               std::int64_t now, std::int64_t& correction)
{
    std::int64_t seconds = origin.clockSeconds;
    if (seconds < 0) {
        seconds = 0;
        for (const SlotAnswer& answer : answers)
            seconds += std::max<std::int32_t>(answer.seconds, 0);
    }
    int code = SQLITE_OK;
    SqliteStatement* add =
        db_.cached("INSERT INTO correction (at, list, seconds) VALUES (?1, ?2, ?3)", code);
    if (!add)
        return code;
    add->bind(1, now);
    if (origin.list.empty())
        add->bindNull(2);
    else
        add->bindText(2, origin.list);
    add->bind(3, seconds);
    code = add->run();
    correction = sqlite3_last_insert_rowid(db_.handle());
    return code;
}

// The answer kept; a missed draw enters the deck, a draw of the deck (or a new one) is
// rescheduled, a found draw that never was in the deck only gets its answer.
int StudyRecord::recordAnswer(std::int64_t correction, const SlotAnswer& answer, std::int64_t now)
{
    DrawRow row;
    int code = findOrAdd(answer.draw, row);
    SqliteStatement* add = code == SQLITE_OK
        ? db_.cached("INSERT INTO answer (correction, draw, found, seconds) "
                     "VALUES (?1, ?2, ?3, ?4)",
                     code)
        : nullptr;
    if (!add)
        return code;
    add->bind(1, correction);
    add->bind(2, row.id);
    add->bind(3, static_cast<std::int64_t>(answer.found));
    add->bind(4, static_cast<std::int64_t>(std::max<std::int32_t>(answer.seconds, 0)));
    if ((code = add->run()) != SQLITE_OK)
        return code;
    SqliteStatement* forget = db_.cached("DELETE FROM found_undo WHERE draw = ?1", code);
    if (!forget)
        return code;
    forget->bind(1, row.id);
    if ((code = forget->run()) != SQLITE_OK)
        return code;
    if (!answer.found)
        return reschedule(row, answer.draw.list, Grade::Again, now);
    if (row.place == kOut)
        return SQLITE_OK;
    if ((code = keepUndo(row)) != SQLITE_OK)
        return code;
    return reschedule(row, answer.draw.list, Grade::Good, now);
}

int StudyRecord::findOrAdd(const DeckDraw& draw, DrawRow& row)
{
    int code = SQLITE_OK;
    SqliteStatement* find = db_.cached(std::string("SELECT id, place, ") + kSchedule
                                           + " FROM deck_draw WHERE list = ?1 AND draw = ?2 "
                                             "AND solutions = ?3",
                                       code);
    if (!find)
        return code;
    find->bindText(1, draw.list);
    find->bindBlob(2, draw.draw);
    find->bindBlob(3, draw.solutions);
    code = find->step();
    if (code == SQLITE_ROW) {
        row.id = find->integer(0);
        row.place = static_cast<int>(find->integer(1));
        row.schedule = scheduleAt(*find, 2);
        find->reset();
        return SQLITE_OK;
    }
    find->reset();
    if (code != SQLITE_DONE)
        return code;
    SqliteStatement* add =
        db_.cached("INSERT INTO deck_draw (list, draw, solutions) VALUES (?1, ?2, ?3)", code);
    if (!add)
        return code;
    add->bindText(1, draw.list);
    add->bindBlob(2, draw.draw);
    add->bindBlob(3, draw.solutions);
    code = add->run();
    row = DrawRow{sqlite3_last_insert_rowid(db_.handle()), kOut, DrawSchedule{}};
    return code;
}

// The draw reviewed at `grade`, in the deck from now on. A new draw entering counts against
// its list's new draws of the day.
int StudyRecord::reschedule(const DrawRow& row, const std::string& list, Grade grade,
                            std::int64_t now)
{
    int code = SQLITE_OK;
    if (row.place == kNew && (code = countEntered(list, now)) != SQLITE_OK)
        return code;
    const DrawSchedule next = review(row.schedule, grade, now, fsrs_);
    SqliteStatement* put = db_.cached(
        "UPDATE deck_draw SET place = 1, stability = ?1, difficulty = ?2, last_review = ?3, "
        "due = ?4, reviews = ?5, lapses = ?6 WHERE id = ?7",
        code);
    if (!put)
        return code;
    bindSchedule(*put, 1, next);
    put->bind(7, row.id);
    return put->run();
}

int StudyRecord::keepUndo(const DrawRow& row)
{
    int code = SQLITE_OK;
    SqliteStatement* put = db_.cached(std::string("INSERT INTO found_undo (draw, place, ")
                                          + kSchedule + ") VALUES (?8, ?7, ?1, ?2, ?3, ?4, ?5, ?6)",
                                      code);
    if (!put)
        return code;
    bindSchedule(*put, 1, row.schedule);
    put->bind(7, static_cast<std::int64_t>(row.place));
    put->bind(8, row.id);
    return put->run();
}

// The draw back where it stood before the review that found it, when that was its last.
int StudyRecord::restoreUndo(DrawRow& row)
{
    int code = SQLITE_OK;
    SqliteStatement* find = db_.cached(
        std::string("SELECT place, ") + kSchedule + " FROM found_undo WHERE draw = ?1", code);
    if (!find)
        return code;
    find->bind(1, row.id);
    code = find->step();
    if (code == SQLITE_ROW) {
        row.place = static_cast<int>(find->integer(0));
        row.schedule = scheduleAt(*find, 1);
    }
    find->reset();
    if (code != SQLITE_ROW)
        return code == SQLITE_DONE ? SQLITE_OK : code;
    SqliteStatement* forget = db_.cached("DELETE FROM found_undo WHERE draw = ?1", code);
    if (!forget)
        return code;
    forget->bind(1, row.id);
    return forget->run();
}

status::Status StudyRecord::countAsMissed(const DeckDraw& draw)
{
    return write([&](std::int64_t now) {
        DrawRow row;
        int code = findOrAdd(draw, row);
        if (code == SQLITE_OK)
            code = restoreUndo(row);
        if (code != SQLITE_OK)
            return code;
        // A new draw found in the review already counted as entered.
        if (row.place == kNew)
            row.place = kInDeck;
        SqliteStatement* unknown =
            db_.cached("UPDATE draw_tally SET streak = 0 WHERE draw = ?1", code);
        if (!unknown)
            return code;
        unknown->bind(1, row.id);
        if ((code = unknown->run()) != SQLITE_OK)
            return code;
        return reschedule(row, draw.list, Grade::Again, now);
    });
}

int StudyRecord::countEntered(const std::string& list, std::int64_t now)
{
    int code = SQLITE_OK;
    SqliteStatement* put = db_.cached(
        "UPDATE learned_list SET entered = CASE WHEN day = ?1 THEN entered + 1 ELSE 1 END, "
        "day = ?1 WHERE list = ?2",
        code);
    if (!put)
        return code;
    put->bind(1, localDayStart(now));
    put->bindText(2, list);
    return put->run();
}

// ---------------------------------------------------------------- what is due

status::Result<DueCounts> StudyRecord::dueCounts()
{
    const std::int64_t now = clock_();
    const std::int64_t endOfToday = nextLocalDayStart(now);
    const std::int64_t endOfTomorrow = nextLocalDayStart(endOfToday);
    std::int64_t today = 0, tomorrow = 0, allowance = 0, waiting = 0;
    int code = dueBetween(0, endOfToday, today);
    if (code == SQLITE_OK)
        code = dueBetween(endOfToday, endOfTomorrow, tomorrow);
    if (code == SQLITE_OK)
        code = newAllowance(now, allowance);
    if (code == SQLITE_OK)
        code = newWaiting(allowance + policy_.newPerDay, waiting);
    if (code != SQLITE_OK)
        return readFailure(code);
    const std::int64_t newToday = std::min(allowance, waiting);
    const std::int64_t newTomorrow = std::min<std::int64_t>(policy_.newPerDay, waiting - newToday);
    return DueCounts{static_cast<std::int32_t>(today + newToday),
                     static_cast<std::int32_t>(tomorrow + newTomorrow)};
}

status::Result<std::vector<DeckDraw>> StudyRecord::dueDraws(std::int32_t limit)
{
    if (!db_.isOpen())
        return readFailure(SQLITE_MISUSE);
    const std::int64_t now = clock_();
    int code = SQLITE_OK;
    SqliteStatement* due = db_.cached("SELECT list, draw, solutions FROM deck_draw "
                                      "WHERE place = 1 AND due < ?1 ORDER BY due, id LIMIT ?2",
                                      code);
    std::vector<DeckDraw> draws;
    if (due) {
        due->bind(1, nextLocalDayStart(now));
        due->bind(2, static_cast<std::int64_t>(std::max<std::int32_t>(limit, 0)));
        while ((code = due->step()) == SQLITE_ROW)
            draws.push_back(deckDrawAt(*due));
        due->reset();
        code = code == SQLITE_DONE ? SQLITE_OK : code;
    }
    std::int64_t allowance = 0;
    if (code == SQLITE_OK)
        code = newAllowance(now, allowance);
    const std::int64_t room = std::min<std::int64_t>(allowance, limit - std::int64_t(draws.size()));
    if (code == SQLITE_OK && room > 0)
        code = newDraws(static_cast<std::int64_t>(draws.size()) + room, draws);
    if (code != SQLITE_OK)
        return readFailure(code);
    return draws;
}

int StudyRecord::dueBetween(std::int64_t from, std::int64_t to, std::int64_t& count)
{
    return readNumber(db_,
                      "SELECT count(*) FROM deck_draw WHERE place = 1 AND due >= ?1 AND due < ?2",
                      {from, to}, count);
}

// How many more new draws may enter the review today.
int StudyRecord::newAllowance(std::int64_t now, std::int64_t& allowance)
{
    std::int64_t entered = 0;
    const int code =
        readNumber(db_, "SELECT coalesce(sum(entered), 0) FROM learned_list WHERE day = ?1",
                   {localDayStart(now)}, entered);
    allowance = std::max<std::int64_t>(policy_.newPerDay - entered, 0);
    return code;
}

// The new draws waiting, counted up to `limit` only.
int StudyRecord::newWaiting(std::int64_t limit, std::int64_t& waiting)
{
    return readNumber(db_,
                      "SELECT count(*) FROM (SELECT 1 FROM deck_draw WHERE place = 2 LIMIT ?1)",
                      {limit}, waiting);
}

// New draws until `draws` holds `limit`, list after list in the order they were started, each in
// its order.
int StudyRecord::newDraws(std::int64_t limit, std::vector<DeckDraw>& draws)
{
    int code = SQLITE_OK;
    std::vector<std::string> lists;
    SqliteStatement* read = db_.cached("SELECT list FROM learned_list ORDER BY since, rowid", code);
    if (!read)
        return code;
    while ((code = read->step()) == SQLITE_ROW)
        lists.push_back(read->text(0));
    read->reset();
    if (code != SQLITE_DONE)
        return code;
    SqliteStatement* fresh = db_.cached("SELECT list, draw, solutions FROM deck_draw "
                                        "WHERE place = 2 AND list = ?1 ORDER BY learn_order "
                                        "LIMIT ?2",
                                        code);
    if (!fresh)
        return code;
    for (const std::string& list : lists) {
        const std::int64_t room = limit - static_cast<std::int64_t>(draws.size());
        if (room <= 0)
            break;
        fresh->bindText(1, list);
        fresh->bind(2, room);
        while ((code = fresh->step()) == SQLITE_ROW)
            draws.push_back(deckDrawAt(*fresh));
        fresh->reset();
        if (code != SQLITE_DONE)
            return code;
    }
    return SQLITE_OK;
}

// ---------------------------------------------------------------- lists learned

status::Status StudyRecord::learnList(const std::string& list, const std::vector<DeckDraw>& entries)
{
    return write([&](std::int64_t now) {
        int code = SQLITE_OK;
        SqliteStatement* start = db_.cached(
            "INSERT INTO learned_list (list, since) VALUES (?1, ?2) ON CONFLICT (list) DO NOTHING",
            code);
        if (!start)
            return code;
        start->bindText(1, list);
        start->bind(2, now);
        if ((code = start->run()) != SQLITE_OK)
            return code;
        // A draw already studied keeps its history: out of the review it becomes new again,
        // in the deck it stays.
        SqliteStatement* add = db_.cached(
            "INSERT INTO deck_draw (list, draw, solutions, place, learn_order) "
            "VALUES (?1, ?2, ?3, 2, ?4) ON CONFLICT (list, draw, solutions) DO UPDATE SET "
            "learn_order = excluded.learn_order, place = CASE place WHEN 0 THEN 2 ELSE place END",
            code);
        if (!add)
            return code;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            add->bindText(1, list);
            add->bindBlob(2, entries[k].draw);
            add->bindBlob(3, entries[k].solutions);
            add->bind(4, static_cast<std::int64_t>(k));
            if ((code = add->run()) != SQLITE_OK)
                return code;
        }
        return SQLITE_OK;
    });
}

status::Status StudyRecord::stopLearning(const std::string& list)
{
    return write([&](std::int64_t) {
        int code = SQLITE_OK;
        SqliteStatement* out =
            db_.cached("UPDATE deck_draw SET place = 0 WHERE list = ?1 AND place <> 0", code);
        if (!out)
            return code;
        out->bindText(1, list);
        if ((code = out->run()) != SQLITE_OK)
            return code;
        SqliteStatement* stop = db_.cached("DELETE FROM learned_list WHERE list = ?1", code);
        if (!stop)
            return code;
        stop->bindText(1, list);
        return stop->run();
    });
}

status::Result<bool> StudyRecord::isLearning(const std::string& list)
{
    if (!db_.isOpen())
        return readFailure(SQLITE_MISUSE);
    int code = SQLITE_OK;
    SqliteStatement* read = db_.cached("SELECT 1 FROM learned_list WHERE list = ?1", code);
    if (!read)
        return readFailure(code);
    read->bindText(1, list);
    code = read->step();
    read->reset();
    if (code != SQLITE_ROW && code != SQLITE_DONE)
        return readFailure(code);
    return code == SQLITE_ROW;
}

}  // namespace study
