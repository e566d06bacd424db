#include <textfile/SystemReason.h>

#include <textfile/ByteSource.h>
#include <textfile/LineReader.h>

#include <cerrno>

namespace textfile {

namespace {

// 1048576 gives "1 048 576", with no-break spaces so that the number is never cut in two.
std::string groupedDigits(std::size_t number)
{
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += "\xC2\xA0";  // U+00A0 in UTF-8
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

std::string lineTooLongReason(std::size_t limit)
{
    return "ligne trop longue (plus de " + groupedDigits(limit) + " octets)";
}

std::string systemReason(int errorNumber)
{
    switch (errorNumber) {
    case textfile::notAPlainFile:
        return "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)";
    case textfile::lineTooLong:
        return lineTooLongReason(longestLine);
    case ENOENT:
        return "fichier ou dossier introuvable";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ENOSPC:
        return "le disque est plein";
#ifdef EDQUOT  // Windows has no disk quota number
    case EDQUOT:
        return "le quota de disque est dépassé";
#endif
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
