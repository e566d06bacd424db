#include <study/SqliteReason.h>

#include <sqlite3.h>

namespace study {

std::string sqliteReason(int code)
{
    switch (code & 0xff) {  // the primary code; the extended ones add only detail
    case SQLITE_FULL:
        return "le disque est plein";
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "écriture refusée";
    case SQLITE_CANTOPEN:
        return "impossible d'ouvrir ou de créer le fichier (dossier absent ou interdit en "
               "écriture)";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "le fichier est occupé par un autre programme depuis trop longtemps";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "le fichier est abîmé";
    case SQLITE_IOERR:
        return "erreur de lecture ou d'écriture sur le disque";
    case SQLITE_NOMEM:
        return "mémoire insuffisante";
    case SQLITE_TOOBIG:
        return "donnée trop grande";
    default:
        return "erreur de la base SQLite (" + std::string(sqlite3_errstr(code)) + ")";
    }
}

}  // namespace study
