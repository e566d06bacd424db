#pragma once

#include <map>
#include <memory>
#include <string>

struct sqlite3;

namespace study {

class SqliteStatement;

// One connection to an SQLite file, opened by its UTF-8 path (SQLite turns it into the
// system's own form, wide characters on Windows). Every call returns SQLite's result code.
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens `path` for reading and writing, creating it when `create`.
    int open(const std::string& path, bool create);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs one or more statements that give no rows.
    int exec(const std::string& sql);
    // The first column of the first row of `sql`, a whole number; `fallback` when no row.
    int integer(const std::string& sql, long long& value, long long fallback = 0);
    // The first column of the first row of `sql`, as text.
    int text(const std::string& sql, std::string& value);

    // The statement `sql`, prepared once and kept until the connection closes, ready to bind;
    // `code` gets the preparation's result (null on failure).
    SqliteStatement* cached(const std::string& sql, int& code);

    // SQLite's own words for the last failure, for standard error.
    std::string lastError() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    std::map<std::string, std::unique_ptr<SqliteStatement>> statements_;
};

}  // namespace study
