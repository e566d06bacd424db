#include <study/SqliteStatement.h>

#include <study/SqliteDatabase.h>

#include <sqlite3.h>

namespace study {

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

int SqliteStatement::prepare(const SqliteDatabase& db, const std::string& sql)
{
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &statement_,
                              nullptr);
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

void SqliteStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::bind(int index, double value)
{
    sqlite3_bind_double(statement_, index, value);
}

void SqliteStatement::bindText(int index, const std::string& value)
{
    sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
}

void SqliteStatement::bindBlob(int index, const std::string& value)
{
    sqlite3_bind_blob(statement_, index, value.data(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(statement_, index);
}

int SqliteStatement::step()
{
    return sqlite3_step(statement_);
}

int SqliteStatement::run()
{
    const int code = sqlite3_step(statement_);
    reset();
    return code == SQLITE_DONE || code == SQLITE_ROW ? SQLITE_OK : code;
}

std::int64_t SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(statement_, column);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::string SqliteStatement::text(int column) const
{
    const void* bytes = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

}  // namespace study
