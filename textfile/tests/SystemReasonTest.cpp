#include <textfile/SystemReason.h>

#include <gtest/gtest.h>

#include <cerrno>

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

INSTANTIATE_TEST_SUITE_P(Errors, FileCallErrors,
                         ::testing::Values(EPERM, ENOENT, EINTR, EIO, ENXIO, EBADF, EAGAIN, ENOMEM,
                                           EACCES, EBUSY, EEXIST, EXDEV, ENODEV, ENOTDIR, EISDIR,
                                           EINVAL, ENFILE, EMFILE, ETXTBSY, EFBIG, ENOSPC, ESPIPE,
                                           EROFS, EMLINK, EPIPE, ENAMETOOLONG, ENOLCK, ENOTEMPTY,
                                           ELOOP, EOVERFLOW, EOPNOTSUPP, ESTALE, EDQUOT, ETIMEDOUT,
                                           EILSEQ, ECANCELED));

TEST(SystemReason, AnUnknownNumberComesAfterAFrenchSentence)
{
    const std::string reason = textfile::systemReason(4321);
    EXPECT_EQ(reason, "le système a refusé l'opération (erreur n° 4321)");
}

}  // namespace
