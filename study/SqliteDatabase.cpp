#include <study/SqliteDatabase.h>

#include <study/SqliteStatement.h>

#include <sqlite3.h>

namespace study {

SqliteDatabase::~SqliteDatabase()
{
    close();
}

int SqliteDatabase::open(const std::string& path, bool create)
{
    close();
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (code != SQLITE_OK)
        close();  // a handle is made even when the open fails
    else
        sqlite3_extended_result_codes(db_, 1);
    return code;
}

void SqliteDatabase::close()
{
    statements_.clear();  // finalized before their connection
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

int SqliteDatabase::exec(const std::string& sql)
{
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

int SqliteDatabase::integer(const std::string& sql, long long& value, long long fallback)
{
    SqliteStatement statement;
    int code = statement.prepare(*this, sql);
    if (code != SQLITE_OK)
        return code;
    code = statement.step();
    value = code == SQLITE_ROW ? statement.integer(0) : fallback;
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

int SqliteDatabase::text(const std::string& sql, std::string& value)
{
    SqliteStatement statement;
    int code = statement.prepare(*this, sql);
    if (code != SQLITE_OK)
        return code;
    code = statement.step();
    value = code == SQLITE_ROW ? statement.text(0) : std::string();
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

SqliteStatement* SqliteDatabase::cached(const std::string& sql, int& code)
{
    code = SQLITE_MISUSE;
    if (!db_)
        return nullptr;
    std::unique_ptr<SqliteStatement>& kept = statements_[sql];
    code = SQLITE_OK;
    if (!kept) {
        auto made = std::make_unique<SqliteStatement>();
        code = made->prepare(*this, sql);
        if (code != SQLITE_OK) {
            statements_.erase(sql);
            return nullptr;
        }
        kept = std::move(made);
    }
    kept->reset();
    return kept.get();
}

std::string SqliteDatabase::lastError() const
{
    return db_ ? sqlite3_errmsg(db_) : "no connection";
}

}  // namespace study
