#include <study/ProgressFigures.h>

#include <study/LocalDay.h>
#include <study/SqliteStatement.h>
#include <study/StudyRecord.h>

#include <sqlite3.h>

#include <map>

namespace study {

namespace {

// Runs `read` on every row of `sql`, its parameters bound by `bind`: SQLITE_OK or a failure.
template <typename Bind, typename Read>
int eachRow(SqliteDatabase& db, const char* sql, Bind bind, Read read)
{
    int code = SQLITE_OK;
    SqliteStatement* statement = db.cached(sql, code);
    if (!statement)
        return code;
    bind(*statement);
    while ((code = statement->step()) == SQLITE_ROW)
        read(*statement);
    statement->reset();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

void noBinding(SqliteStatement&) {}

}  // namespace

std::int64_t ListFigures::mastered(std::int64_t entries) const
{
    if (underWay)
        return drillSize - remaining;
    return drillsFinished > 0 ? entries : 0;
}

status::Result<std::vector<ListFigures>> ProgressFigures::lists()
{
    SqliteDatabase& db = record_.database();
    if (!db.isOpen())
        return record_.readFailure(SQLITE_MISUSE);
    std::map<std::string, ListFigures> byList;
    auto of = [&byList](const SqliteStatement& row) -> ListFigures& {
        ListFigures& list = byList[row.text(0)];
        list.list = row.text(0);
        return list;
    };
    int code = eachRow(db, "SELECT list, answers, found FROM list_tally", noBinding,
                       [&](const SqliteStatement& row) {
                           ListFigures& list = of(row);
                           list.answers = row.integer(1);
                           list.found = row.integer(2);
                       });
    if (code == SQLITE_OK)
        code = eachRow(db,
                       "SELECT list, count(*), sum(seconds), max(at) FROM correction "
                       "WHERE list IS NOT NULL GROUP BY list",
                       noBinding, [&](const SqliteStatement& row) {
                           ListFigures& list = of(row);
                           list.series = row.integer(1);
                           list.seconds = row.integer(2);
                           list.lastDrilled = row.integer(3);
                       });
    if (code == SQLITE_OK)
        code =
            eachRow(db, "SELECT list, count(*) FROM drill_end GROUP BY list", noBinding,
                    [&](const SqliteStatement& row) { of(row).drillsFinished = row.integer(1); });
    if (code == SQLITE_OK)
        code = eachRow(db,
                       "SELECT p.list, p.list_size, (SELECT count(*) FROM progress_entry e "
                       "WHERE e.list = p.list) FROM list_progress p",
                       noBinding, [&](const SqliteStatement& row) {
                           ListFigures& list = of(row);
                           list.underWay = true;
                           list.drillSize = row.integer(1);
                           list.remaining = row.integer(2);
                       });
    if (code != SQLITE_OK)
        return record_.readFailure(code);
    std::vector<ListFigures> figures;
    for (auto& [name, list] : byList)
        figures.push_back(std::move(list));
    return figures;
}

// The first column of `sql` over the times from `from` to `to` (?1 and ?2, when it has them).
int ProgressFigures::count(const char* sql, std::int64_t from, std::int64_t to, std::int64_t& value)
{
    return eachRow(
        record_.database(), sql,
        [&](SqliteStatement& statement) {
            statement.bind(1, from);
            statement.bind(2, to);
        },
        [&](const SqliteStatement& row) { value = row.integer(0); });
}

status::Result<DeckFigures> ProgressFigures::deck(int days)
{
    if (!record_.database().isOpen())
        return record_.readFailure(SQLITE_MISUSE);
    const char* const due =
        "SELECT count(*) FROM deck_draw WHERE place = 1 AND due >= ?1 AND due < ?2";
    const std::int64_t now = record_.now();
    DeckFigures figures;
    figures.desiredRetention = record_.policy().desiredRetention;
    int code = count("SELECT count(*) FROM deck_draw WHERE place = 1", 0, 0, figures.draws);
    if (code == SQLITE_OK)
        code = count(due, 0, localDayStartAfter(now, 1), figures.dueToday);
    if (code == SQLITE_OK)
        code = count(due, 0, localDayStartAfter(now, 7), figures.dueWeek);
    if (code == SQLITE_OK)
        code = count("SELECT count(*) FROM deck_draw d WHERE d.place = 1 AND EXISTS (SELECT 1 "
                     "FROM draw_tally t WHERE t.draw = d.id AND t.streak >= 3)",
                     0, 0, figures.known);
    for (int day = 0; day < days && code == SQLITE_OK; ++day) {
        std::int64_t onDay = 0;
        code = count(due, day == 0 ? 0 : localDayStartAfter(now, day),
                     localDayStartAfter(now, day + 1), onDay);
        figures.duePerDay.push_back(onDay);
    }
    if (code == SQLITE_OK)
        code = eachRow(
            record_.database(),
            "SELECT coalesce(sum(answers), 0), coalesce(sum(found), 0) FROM correction "
            "WHERE list IS NULL AND at >= ?1",
            [&](SqliteStatement& statement) {
                statement.bind(1, localDayStartAfter(now, 1 - kRetentionDays));
            },
            [&](const SqliteStatement& row) {
                figures.reviewed = row.integer(0);
                figures.foundInReview = row.integer(1);
            });
    if (code != SQLITE_OK)
        return record_.readFailure(code);
    return figures;
}

status::Result<std::vector<DayFigures>> ProgressFigures::days(int count)
{
    if (!record_.database().isOpen())
        return record_.readFailure(SQLITE_MISUSE);
    const std::int64_t now = record_.now();
    std::vector<DayFigures> figures;
    int code = SQLITE_OK;
    for (int back = count - 1; back >= 0 && code == SQLITE_OK; --back) {
        DayFigures day;
        day.start = localDayStartAfter(now, -back);
        code = eachRow(
            record_.database(),
            "SELECT coalesce(sum(answers), 0), coalesce(sum(found), 0), "
            "coalesce(sum(seconds), 0) FROM correction WHERE at >= ?1 AND at < ?2",
            [&](SqliteStatement& statement) {
                statement.bind(1, day.start);
                statement.bind(2, nextLocalDayStart(day.start));
            },
            [&](const SqliteStatement& row) {
                day.answers = row.integer(0);
                day.found = row.integer(1);
                day.seconds = row.integer(2);
            });
        figures.push_back(day);
    }
    if (code != SQLITE_OK)
        return record_.readFailure(code);
    return figures;
}

status::Result<std::vector<MissedDraw>> ProgressFigures::mostMissed(int limit)
{
    if (!record_.database().isOpen())
        return record_.readFailure(SQLITE_MISUSE);
    std::vector<MissedDraw> figures;
    const int code = eachRow(
        record_.database(),
        "SELECT d.list, d.draw, d.solutions, t.missed, t.seen, t.last_missed FROM draw_tally t "
        "JOIN deck_draw d ON d.id = t.draw WHERE t.missed > 0 "
        "ORDER BY t.missed DESC, t.last_missed DESC, t.draw DESC LIMIT ?1",
        [&](SqliteStatement& statement) { statement.bind(1, std::int64_t(limit)); },
        [&](const SqliteStatement& row) {
            figures.push_back({{row.text(0), row.text(1), row.text(2)},
                               row.integer(3),
                               row.integer(4),
                               row.integer(5)});
        });
    if (code != SQLITE_OK)
        return record_.readFailure(code);
    return figures;
}

}  // namespace study
