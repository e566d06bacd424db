#pragma once

#include <cstdint>
#include <string>

struct sqlite3_stmt;

namespace study {

class SqliteDatabase;

// One prepared statement. Parameters are numbered from 1, columns from 0; texts and blobs are
// bytes as given.
class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    int prepare(const SqliteDatabase& db, const std::string& sql);
    // Ready to run again, its parameters cleared.
    void reset();

    void bind(int index, std::int64_t value);
    void bind(int index, double value);
    void bindText(int index, const std::string& value);
    void bindBlob(int index, const std::string& value);
    void bindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or a failure.
    int step();
    // Runs a statement that gives no rows, then resets it: SQLITE_OK or a failure.
    int run();

    std::int64_t integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    std::string text(int column) const;  // a blob as well

private:
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace study
