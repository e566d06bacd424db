#pragma once

namespace study {

class SqliteDatabase;

// The tables of the study record and their version, kept in the file (PRAGMA user_version).
class StudySchema {
public:
    static constexpr long long kVersion = 1;

    // Makes the tables of an empty record and gives it this version, in one transaction; a
    // record another program made meanwhile is left as it is. SQLite's result code.
    static int create(SqliteDatabase& db);
};

}  // namespace study
