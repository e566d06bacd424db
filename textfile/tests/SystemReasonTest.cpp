#include <textfile/ByteSource.h>
#include <textfile/LineReader.h>
#include <textfile/SystemReason.h>

#include <files/FileKind.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

struct Said {
    int number;
    const char* reason;
};

// Every number the table knows, in the words the player reads: the numbers that open, read,
// write, rename, link, unlink, mkdir, rmdir, fsync, flock or a write to a closed pipe may give,
// files' and textfile's own, and those of the network and quota only where the system has them.
std::vector<Said> saidReasons()
{
    return {
        {textfile::notAPlainFile,
         "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)"},
        {files::usedByAnotherProgram, "fichier utilisé par un autre programme"},
        {textfile::lineTooLong,
         "ligne trop longue (plus de 1\xC2\xA0"
         "048\xC2\xA0"
         "576 octets)"},
        {ENOENT, "fichier ou dossier introuvable"},
        {EACCES, "permission refusée"},
        {EPERM, "permission refusée"},
        {ENOSPC, "le disque est plein"},
#ifdef EDQUOT
        {EDQUOT, "le quota de disque est dépassé"},
#endif
        {EROFS, "système de fichiers en lecture seule"},
        {EISDIR, "c'est un dossier"},
        {ENOTDIR, "un élément du chemin n'est pas un dossier"},
        {ENAMETOOLONG, "nom de fichier trop long"},
        {ELOOP, "trop de liens symboliques"},
        {EIO, "erreur d'entrée-sortie du disque"},
        {EFBIG, "fichier trop grand"},
        {EMFILE, "trop de fichiers ouverts"},
        {ENFILE, "trop de fichiers ouverts"},
        {ENOMEM, "mémoire insuffisante"},
        {ETXTBSY, "fichier occupé"},
        {EBUSY, "fichier occupé"},
        {ENXIO, "périphérique absent"},
        {ENODEV, "périphérique absent"},
        {EINVAL, "nom de fichier non valable"},
        {EMLINK, "trop de liens vers ce fichier ou d'éléments dans ce dossier"},
        {EPIPE, "le programme qui lisait la sortie s'est arrêté"},
        {EEXIST, "un fichier ou un lien porte déjà ce nom"},
        {ENOTEMPTY, "le dossier n'est pas vide"},
        {EXDEV, "les deux chemins ne sont pas sur le même système de fichiers"},
        {EAGAIN, "ressource momentanément indisponible, réessayez"},
        {EINTR, "opération interrompue"},
        {EBADF, "fichier déjà fermé ou mal ouvert"},
        {ESPIPE, "ce fichier ne se relit pas (tube ou socket)"},
        {EOVERFLOW, "fichier trop grand pour être lu ici"},
        {ENOLCK, "le verrou du fichier n'a pas pu être posé"},
        {EOPNOTSUPP, "opération non prise en charge par ce système de fichiers"},
#ifdef ESTALE
        {ESTALE, "le fichier a disparu du partage réseau"},
#endif
        {ETIMEDOUT, "le disque ou le partage réseau ne répond plus"},
        {ECONNRESET, "le partage réseau n'est plus joignable"},
        {ENOTCONN, "le partage réseau n'est plus joignable"},
        {ENETDOWN, "le partage réseau n'est plus joignable"},
        {ENETUNREACH, "le partage réseau n'est plus joignable"},
        {EHOSTUNREACH, "le partage réseau n'est plus joignable"},
        {ECANCELED, "opération annulée"},
        {EILSEQ, "nom de fichier mal encodé"},
        {ENOSYS, "opération inconnue de ce système"},
        {EFAULT, "adresse mémoire invalide (erreur du programme)"},
        {E2BIG, "liste d'arguments trop longue"},
        {ENOEXEC, "ce fichier n'est pas un programme"},
        {ECHILD, "aucun processus enfant à attendre"},
        {ESRCH, "processus introuvable"},
        {EDEADLK, "le verrou aurait bloqué ce programme pour toujours"},
#ifdef EUCLEAN
        {EUCLEAN, "système de fichiers endommagé, à réparer"},
#endif
#ifdef ENOMEDIUM
        {ENOMEDIUM, "aucun support dans le lecteur"},
#endif
#ifdef ENOMEDIUM
        {EMEDIUMTYPE, "support d'un type inattendu"},
#endif
    };
}

class SaidReasons : public ::testing::TestWithParam<Said> {};

TEST_P(SaidReasons, AreTheseWords)
{
    EXPECT_EQ(textfile::systemReason(GetParam().number), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Words, SaidReasons, ::testing::ValuesIn(saidReasons()));

TEST(SystemReason, AnUnknownNumberComesAfterAFrenchSentence)
{
    const std::string reason = textfile::systemReason(4321);
    EXPECT_EQ(reason, "le système a refusé l'opération (erreur n° 4321)");
}

}  // namespace
