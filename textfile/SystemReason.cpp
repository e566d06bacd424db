#include <textfile/SystemReason.h>

#include <textfile/ByteSource.h>

#include <cerrno>

namespace textfile {

std::string systemReason(int errorNumber)
{
    switch (errorNumber) {
    case textfile::notAPlainFile:
        return "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)";
    case ENOENT:
        return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ENOSPC:
        return "le disque est plein";
    case EDQUOT:
        return "le quota de disque est dépassé";
    case EROFS:
        return "système de fichiers en lecture seule";
    case EISDIR:
        return "c'est un dossier";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case ELOOP:
        return "trop de liens symboliques";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    case EFBIG:
        return "fichier trop grand";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case ENOMEM:
        return "mémoire insuffisante";
    case ETXTBSY:
    case EBUSY:
        return "fichier occupé";
    case ENXIO:
    case ENODEV:
        return "périphérique absent";
    case EINVAL:
        return "nom de fichier non valable";
    default:
        return "erreur système n° " + std::to_string(errorNumber);
    }
}

}  // namespace textfile
