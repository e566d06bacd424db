#include <workshop/window/InPlaceFile.h>

#include <textfile/ByteSource.h>

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace workshop {

namespace {

int lastError(int otherwise)
{
    return errno ? errno : otherwise;
}

// fallocate(2) itself, keeping the file's length: the room is taken without a byte of the
// file changing, and what lies beyond its end is given back by cutting it to its own length.
// posix_fallocate is not used: where a file system has no fallocate, glibc emulates it by
// writing a zero into every block, which needs to read the file first (a write-only
// descriptor cannot) and grows the file with zeros. See InPlaceFile::reserve for that case.
int fallocateKeepingSize(int fd, off_t size)
{
    for (;;) {
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
            return 0;
        if (errno != EINTR)
            return lastError(EIO);
    }
}

int pwriteAll(int fd, const char* data, std::size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, size, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? lastError(EIO) : ENOSPC;
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return 0;
}

}  // namespace

InPlaceFile::InPlaceFile(const QString& path, const FrameHooks& hooks) : path_(path), hooks_(hooks)
{
    // Non-blocking, in case the path was swapped for a pipe since it was checked: the open
    // returns at once, and the check below refuses it.
    fd_ = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        // A pipe without a reader refuses a non-blocking writer with ENXIO.
        error_ = errno == ENXIO ? textfile::notAPlainFile : lastError(EACCES);
        return;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0)
        error_ = lastError(EIO);
    else if (!S_ISREG(status.st_mode))
        error_ = textfile::notAPlainFile;
    device_ = status.st_dev;
    inode_ = status.st_ino;
}

InPlaceFile::~InPlaceFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool InPlaceFile::stillAtItsPath() const
{
    struct stat status {};
    return ::stat(QFile::encodeName(path_).constData(), &status) == 0 && status.st_dev == device_
        && status.st_ino == inode_;
}

// Where the file system has no fallocate (EOPNOTSUPP), the room is secured by writing first
// the part of the result that lies beyond the file's end: the rest of the result then only
// overwrites bytes that have their room already. A copy-on-write file system may still refuse
// a write after that; the caller keeps the whole result for that case.
int InPlaceFile::reserve(int staged, off_t size)
{
    struct stat status {};
    if (::fstat(fd_, &status) != 0)
        return lastError(EIO);
    sizeBefore_ = status.st_size;
    blocksBefore_ = status.st_blocks;
    reserved_ = true;
    if (size == 0)
        return 0;
    int error = hooks_.reserve ? hooks_.reserve(fd_, size) : fallocateKeepingSize(fd_, size);
    if (error == EOPNOTSUPP || error == ENOSYS)
        error = size > sizeBefore_ ? writeRange(staged, sizeBefore_, size) : 0;
    if (error != 0)
        release();
    return error;
}

void InPlaceFile::release()
{
    struct stat status {};
    if (!reserved_ || ::fstat(fd_, &status) != 0)
        return;
    reserved_ = false;
    // Cutting the file to its own length gives back what was taken beyond its end; a file
    // that nothing was taken for is left alone.
    if (status.st_size != sizeBefore_ || status.st_blocks > blocksBefore_) {
        [[maybe_unused]] const int ignored = ::ftruncate(fd_, sizeBefore_);
    }
}

int InPlaceFile::overwriteWith(int staged, off_t size)
{
    reserved_ = false;
    if (const int error = writeRange(staged, 0, size))
        return error;
    if (::ftruncate(fd_, size) != 0 || ::fsync(fd_) != 0)
        return lastError(EIO);
    return 0;
}

// Copies the bytes `from` to `to` of `staged` to the same places in the file.
int InPlaceFile::writeRange(int staged, off_t from, off_t to)
{
    char buffer[1 << 16];
    while (from < to) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(sizeof buffer, to - from));
        const ssize_t got = ::pread(staged, buffer, wanted, from);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? lastError(EIO) : EIO;  // the result is shorter than it said
        if (const int error = writeAt(buffer, static_cast<std::size_t>(got), from))
            return error;
        from += got;
    }
    return 0;
}

int InPlaceFile::writeAt(const char* data, std::size_t size, off_t offset)
{
    return hooks_.write ? hooks_.write(fd_, data, size, offset)
                        : pwriteAll(fd_, data, size, offset);
}

}  // namespace workshop
