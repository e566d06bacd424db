#include <files/FileKind.h>
#include <files/WindowsError.h>

#include <gtest/gtest.h>

#include <cerrno>

#include <windows.h>

namespace {

struct Mapping {
    unsigned long windows;
    int expected;
};

// The Windows errors the files layer meets, each with the errno number whose French reason
// the program gives; an unknown one falls back.
TEST(WindowsError, GivesTheNumberOfTheSameReason)
{
    const Mapping cases[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},
        {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, files::usedByAnotherProgram},
        {ERROR_LOCK_VIOLATION, files::usedByAnotherProgram},
        {ERROR_FILE_EXISTS, EEXIST},
        {ERROR_ALREADY_EXISTS, EEXIST},
        {ERROR_NOT_SAME_DEVICE, EXDEV},
        {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
        {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},
        {ERROR_INVALID_HANDLE, EBADF},
        {ERROR_TOO_MANY_LINKS, EMLINK},
        {ERROR_NOT_SUPPORTED, EOPNOTSUPP},
        {ERROR_INVALID_PARAMETER, EINVAL},
        {ERROR_WRITE_PROTECT, EROFS},
        {ERROR_DIRECTORY, ENOTDIR},
        {ERROR_GEN_FAILURE, EIO},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::errnoFromWindows(c.windows, EIO), c.expected) << c.windows;
    EXPECT_EQ(files::errnoFromWindows(ERROR_GEN_FAILURE, EPERM), EPERM);
}

}  // namespace
