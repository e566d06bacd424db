#pragma once

#include <status/Status.h>

#include <cstdint>
#include <string>

namespace study {

class SqliteDatabase;

// The file of the study record, opened ready for use: a plain file or none (never a folder, a
// link or a pipe, which are refused before SQLite touches them), in WAL mode with every commit
// on the disk (synchronous=FULL), waiting for another program's write rather than failing, and
// of this program's version. A file that is no database or fails SQLite's quick check is set
// aside under a dated name, with its -wal and -shm, and a new one started; a file of a newer
// version is refused and left exactly as it is.
class StudyFile {
public:
    // How long a write waits for another program's, in milliseconds.
    static constexpr int kBusyMilliseconds = 10000;

    // Opens `path` into `db`. `now` dates a damaged file's new name, which `setAsideAs` gets
    // (empty when nothing was set aside).
    static status::Status open(const std::string& path, std::int64_t now, SqliteDatabase& db,
                               std::string& setAsideAs);

    // The name a damaged file at `path` is given: "<path>.abime-2026-12-09-1530", local time.
    static std::string setAsideName(const std::string& path, std::int64_t now);

private:
    static status::Status checkPlace(const std::string& path);
    static status::Status connect(const std::string& path, SqliteDatabase& db);
    // 1 when the file is damaged, 0 when sound, else SQLite's failure (busy, I/O...).
    static int judge(SqliteDatabase& db, long long& version);
    static status::Status setAside(const std::string& path, std::int64_t now,
                                   std::string& setAsideAs);
    static status::Status prepare(const std::string& path, SqliteDatabase& db);
};

}  // namespace study
