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

// The one table of the system's reasons in the whole program: one wording a number.
std::string systemReason(int errorNumber)
{
    switch (errorNumber) {
    case textfile::notAPlainFile:
        return "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)";
    case files::usedByAnotherProgram:
        return "fichier utilisé par un autre programme";
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
    case EMLINK:
        return "trop de liens vers ce fichier ou d'éléments dans ce dossier";
    case EPIPE:
        return "le programme qui lisait la sortie s'est arrêté";
    case EEXIST:
        return "un fichier ou un lien porte déjà ce nom";
    case ENOTEMPTY:
        return "le dossier n'est pas vide";
    case EXDEV:
        return "les deux chemins ne sont pas sur le même système de fichiers";
    case EAGAIN:
        return "ressource momentanément indisponible, réessayez";
    case EINTR:
        return "opération interrompue";
    case EBADF:
        return "fichier déjà fermé ou mal ouvert";
    case ESPIPE:
        return "ce fichier ne se relit pas (tube ou socket)";
    case EOVERFLOW:
        return "fichier trop grand pour être lu ici";
    case ENOLCK:
        return "le verrou du fichier n'a pas pu être posé";
    case EOPNOTSUPP:
        return "opération non prise en charge par ce système de fichiers";
#ifdef ESTALE  // the numbers of network and removable file systems are not everywhere
    case ESTALE:
        return "le fichier a disparu du partage réseau";
#endif
    case ETIMEDOUT:
        return "le disque ou le partage réseau ne répond plus";
    case ECONNRESET:
    case ENOTCONN:
    case ENETDOWN:
    case ENETUNREACH:
    case EHOSTUNREACH:
        return "le partage réseau n'est plus joignable";
    case ECANCELED:
        return "opération annulée";
    case EILSEQ:
        return "nom de fichier mal encodé";
    case ENOSYS:
        return "opération inconnue de ce système";
    case EFAULT:
        return "adresse mémoire invalide (erreur du programme)";
    case E2BIG:
        return "liste d'arguments trop longue";
    case ENOEXEC:
        return "ce fichier n'est pas un programme";
    case ECHILD:
        return "aucun processus enfant à attendre";
    case ESRCH:
        return "processus introuvable";
    case EDEADLK:
        return "le verrou aurait bloqué ce programme pour toujours";
#ifdef EUCLEAN
    case EUCLEAN:
        return "système de fichiers endommagé, à réparer";
#endif
#ifdef ENOMEDIUM
    case ENOMEDIUM:
        return "aucun support dans le lecteur";
    case EMEDIUMTYPE:
        return "support d'un type inattendu";
#endif
    default:
        // the number, for whoever helps, after a sentence the player can read
        return "le système a refusé l'opération (erreur n° " + std::to_string(errorNumber) + ")";
    }
}

}  // namespace textfile
