#include <workshop/window/SystemReason.h>

#include <textfile/ByteSource.h>

#include <cerrno>

namespace workshop {

QString systemReason(int errorNumber)
{
    switch (errorNumber) {
    case textfile::notAPlainFile:
        return QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou socket)");
    case ENOENT:
        return QStringLiteral("fichier ou dossier introuvable");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota de disque est dépassé");
    case EROFS:
        return QStringLiteral("système de fichiers en lecture seule");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du disque");
    case EFBIG:
        return QStringLiteral("fichier trop grand");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM:
        return QStringLiteral("mémoire insuffisante");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("fichier occupé");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("périphérique absent");
    case EINVAL:
        return QStringLiteral("nom de fichier non valable");
    default:
        return QStringLiteral("erreur système n° %1").arg(errorNumber);
    }
}

}  // namespace workshop
