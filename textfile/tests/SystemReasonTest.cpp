#include <textfile/ByteSource.h>
#include <textfile/SystemReason.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

class FileCallErrors : public ::testing::TestWithParam<int> {};

// Every error that open, read, write, rename, link, unlink, mkdir, rmdir, fsync, flock or a
// write to a closed pipe may give has a reason of its own, never the bare number.
TEST_P(FileCallErrors, HaveAReasonOfTheirOwn)
{
    const std::string reason = textfile::systemReason(GetParam());
    EXPECT_EQ(reason.find("n°"), std::string::npos) << reason;
    EXPECT_EQ(reason.find("erreur système"), std::string::npos) << reason;
}

// The numbers a file call can give here; the network and quota ones not on every system.
std::vector<int> fileCallErrors()
{
    std::vector<int> numbers{
        EPERM,     ENOENT, EINTR,     EIO,        ENXIO,     EBADF,  EAGAIN,   ENOMEM,       EACCES,
        EBUSY,     EEXIST, EXDEV,     ENODEV,     ENOTDIR,   EISDIR, EINVAL,   ENFILE,       EMFILE,
        ETXTBSY,   EFBIG,  ENOSPC,    ESPIPE,     EROFS,     EMLINK, EPIPE,    ENAMETOOLONG, ENOLCK,
        ENOTEMPTY, ELOOP,  EOVERFLOW, EOPNOTSUPP, ETIMEDOUT, EILSEQ, ECANCELED};
#ifdef ESTALE
    numbers.push_back(ESTALE);
#endif
#ifdef EDQUOT
    numbers.push_back(EDQUOT);
#endif
    return numbers;
}

INSTANTIATE_TEST_SUITE_P(Errors, FileCallErrors, ::testing::ValuesIn(fileCallErrors()));

struct Said {
    int number;
    const char* reason;
};

class SaidReasons : public ::testing::TestWithParam<Said> {};

// The reasons a player meets most, in the words they are told.
TEST_P(SaidReasons, AreTheseWords)
{
    EXPECT_EQ(textfile::systemReason(GetParam().number), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SaidReasons,
    ::testing::Values(Said{EACCES, "permission refusée"},
                      Said{ENOENT, "fichier ou dossier introuvable"},
                      Said{files::usedByAnotherProgram, "fichier utilisé par un autre programme"},
                      Said{textfile::notAPlainFile,
                           "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)"}));

TEST(SystemReason, AnUnknownNumberComesAfterAFrenchSentence)
{
    const std::string reason = textfile::systemReason(4321);
    EXPECT_EQ(reason, "le système a refusé l'opération (erreur n° 4321)");
}

}  // namespace
