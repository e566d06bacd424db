#pragma once

#include <sqlite3.h>

#include <string>

// What a study record's file holds, read with SQLite alone, beside the program's own reading.
class RecordRows {
public:
    explicit RecordRows(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~RecordRows() { sqlite3_close(db_); }
    RecordRows(const RecordRows&) = delete;
    RecordRows& operator=(const RecordRows&) = delete;

    bool opened() const { return db_ != nullptr; }
    // The first column of the first row of `sql`, as text; "<error: ...>" on failure.
    std::string text(const std::string& sql) const
    {
        sqlite3_stmt* statement = nullptr;
        if (!db_ || sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            return "<error: " + std::string(db_ ? sqlite3_errmsg(db_) : "not open") + ">";
        std::string value;
        const int code = sqlite3_step(statement);
        if (code == SQLITE_ROW && sqlite3_column_text(statement, 0))
            value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        else if (code != SQLITE_ROW && code != SQLITE_DONE)
            value = "<error: " + std::string(sqlite3_errmsg(db_)) + ">";
        sqlite3_finalize(statement);
        return value;
    }
    long long number(const std::string& sql) const
    {
        const std::string value = text(sql);
        return value.empty() || value[0] == '<' ? -1 : std::stoll(value);
    }

private:
    sqlite3* db_ = nullptr;
};
