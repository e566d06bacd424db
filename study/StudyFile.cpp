#include <study/StudyFile.h>

#include <study/SqliteDatabase.h>
#include <study/SqliteReason.h>
#include <study/StudySchema.h>

#include <files/FileFacts.h>
#include <files/FileSystem.h>
#include <files/ShownPath.h>
#include <textfile/SystemReason.h>

#include <sqlite3.h>

#include <cerrno>
#include <ctime>

namespace study {

namespace {

std::string quoted(const std::string& path)
{
    return "« " + files::shownPath(path) + " »";
}

status::Status failed(const std::string& path, const std::string& reason)
{
    return status::Status::failure("le relevé d'étude " + quoted(path)
                                   + " ne peut pas servir : " + reason);
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::tm localTime(std::int64_t now)
{
    const auto time = static_cast<std::time_t>(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return local;
}

}  // namespace

status::Status StudyFile::open(const std::string& path, std::int64_t now, SqliteDatabase& db,
                               std::string& setAsideAs)
{
    setAsideAs.clear();
    if (status::Status placed = checkPlace(path); !placed)
        return placed;
    if (status::Status connected = connect(path, db); !connected)
        return connected;
    long long version = 0;
    const int judged = judge(db, version);
    if (judged != 0 && judged != 1) {
        db.close();
        return failed(path, sqliteReason(judged));
    }
    if (judged == 0 && version > StudySchema::kVersion) {
        // Closing must not fold the newer program's log into the file.
        sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        db.close();
        return failed(path,
                      "il a été écrit par une version plus récente de vorlane ; il reste tel "
                      "quel et rien de cette séance ne sera gardé");
    }
    if (judged == 1) {
        db.close();
        if (status::Status aside = setAside(path, now, setAsideAs); !aside)
            return aside;
        if (status::Status connected = connect(path, db); !connected)
            return connected;
    }
    return prepare(path, db);
}

status::Status StudyFile::checkPlace(const std::string& path)
{
    files::FileFacts facts;
    const int error = files::factsOf(path, facts, false);
    if (error == ENOENT) {
        const std::string folder = folderOf(path);
        if (const int made = folder.empty() ? 0 : files::makeFolders(folder); made != 0)
            return failed(path,
                          "impossible de créer le dossier " + quoted(folder) + " : "
                              + textfile::systemReason(made));
        return {};
    }
    if (error != 0)
        return failed(path, textfile::systemReason(error));
    switch (facts.kind) {
    case files::FileFacts::Kind::regular:
        return {};
    case files::FileFacts::Kind::folder:
        return failed(path, "c'est un dossier, pas un fichier");
    case files::FileFacts::Kind::link:
        return failed(path, "c'est un lien, pas un fichier ordinaire");
    case files::FileFacts::Kind::other:
        break;
    }
    return failed(path, "c'est un tube, un périphérique ou une socket, pas un fichier ordinaire");
}

status::Status StudyFile::connect(const std::string& path, SqliteDatabase& db)
{
    const int code = db.open(path, true);
    if (code != SQLITE_OK)
        return failed(path, sqliteReason(code));
    sqlite3_busy_timeout(db.handle(), kBusyMilliseconds);
    return {};
}

int StudyFile::judge(SqliteDatabase& db, long long& version)
{
    int code = db.integer("PRAGMA user_version", version);
    std::string check;
    if (code == SQLITE_OK)
        code = db.text("PRAGMA quick_check", check);
    const int primary = code & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        return 1;
    if (code != SQLITE_OK)
        return code;
    return check == "ok" ? 0 : 1;
}

std::string StudyFile::setAsideName(const std::string& path, std::int64_t now)
{
    const std::tm local = localTime(now);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M", &local);
    return path + ".abime-" + stamp;
}

// The file and its -wal and -shm take one new name each, the same stamp; a name already taken
// gets a number, and nothing is ever removed. The log goes first: a log left beside a new
// file would be read into it.
status::Status StudyFile::setAside(const std::string& path, std::int64_t now,
                                   std::string& setAsideAs)
{
    const std::string base = setAsideName(path, now);
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (files::FileFacts taken; files::factsOf(name, taken, false) != ENOENT)
            continue;
        for (const char* companion : {"-wal", "-shm"}) {
            const int moved = files::renameNew(path + companion, name + companion);
            if (moved != 0 && moved != ENOENT)
                return failed(path + companion,
                              "impossible de le mettre de côté : " + textfile::systemReason(moved));
        }
        if (const int error = files::renameNew(path, name); error != 0)
            return failed(path,
                          "il est abîmé et ne peut pas être mis de côté : "
                              + textfile::systemReason(error));
        setAsideAs = name;
        return {};
    }
    return failed(path, "il est abîmé et tous les noms pour le mettre de côté sont pris");
}

status::Status StudyFile::prepare(const std::string& path, SqliteDatabase& db)
{
    std::string mode;
    int code = db.text("PRAGMA journal_mode = WAL", mode);
    if (code == SQLITE_OK)
        code = db.exec("PRAGMA synchronous = FULL");
    if (code == SQLITE_OK)
        code = StudySchema::create(db);
    if (code != SQLITE_OK) {
        db.close();
        return failed(path, sqliteReason(code));
    }
    return {};
}

}  // namespace study
