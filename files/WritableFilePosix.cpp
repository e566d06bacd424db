#include <files/FileKind.h>
#include <files/WritableFile.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

int lastError(int fallback)
{
    return errno ? errno : fallback;
}

}  // namespace

WritableFile::~WritableFile()
{
    close();
}

int WritableFile::open(const std::string& path)
{
    close();
    errno = 0;
    // Non-blocking, in case the path was swapped for a pipe since it was checked: the open
    // returns at once, and the check below refuses it.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        // a pipe without a reader refuses a non-blocking writer with ENXIO
        return errno == ENXIO ? notAPlainFile : lastError(EACCES);
    struct stat status {};
    int error = 0;
    if (::fstat(descriptor, &status) != 0)
        error = lastError(EIO);
    else if (!S_ISREG(status.st_mode))
        error = notAPlainFile;
    if (error != 0) {
        ::close(descriptor);
        return error;
    }
    descriptor_ = descriptor;
    identity_ = {static_cast<std::uint64_t>(status.st_dev),
                 static_cast<std::uint64_t>(status.st_ino)};
    return 0;
}

bool WritableFile::isOpen() const
{
    return descriptor_ >= 0;
}

int WritableFile::size(std::uint64_t& length, std::uint64_t& room) const
{
    struct stat status {};
    errno = 0;
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0)
        return descriptor_ < 0 ? EBADF : lastError(EIO);
    length = static_cast<std::uint64_t>(status.st_size);
    room = static_cast<std::uint64_t>(status.st_blocks) * 512;
    return 0;
}

// fallocate(2) itself, keeping the file's length: the room is taken without a byte of the
// file changing, and what lies beyond its end is given back by cutting it to its own length.
// posix_fallocate is not used: where a file system has no fallocate, glibc emulates it by
// writing a zero into every block, which needs to read the file first (a write-only
// descriptor cannot) and grows the file with zeros.
int WritableFile::reserve(std::uint64_t size)
{
    if (descriptor_ < 0)
        return EBADF;
    for (;;) {
        errno = 0;
        if (::fallocate(descriptor_, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
            return 0;
        if (errno != EINTR)
            return lastError(EIO);
    }
}

int WritableFile::writeAt(const char* data, std::size_t size, std::uint64_t offset)
{
    if (descriptor_ < 0)
        return EBADF;
    while (size > 0) {
        errno = 0;
        const ssize_t written = ::pwrite(descriptor_, data, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? lastError(EIO) : ENOSPC;
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += static_cast<std::uint64_t>(written);
    }
    return 0;
}

int WritableFile::resize(std::uint64_t size)
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    return ::ftruncate(descriptor_, static_cast<off_t>(size)) == 0 ? 0 : lastError(EIO);
}

int WritableFile::sync()
{
    if (descriptor_ < 0)
        return EBADF;
    errno = 0;
    return ::fsync(descriptor_) == 0 ? 0 : lastError(EIO);
}

int WritableFile::descriptor() const
{
    return descriptor_;
}

void WritableFile::close()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

std::size_t readAt(int descriptor, char* buffer, std::size_t size, std::uint64_t offset, int& error)
{
    for (;;) {
        errno = 0;
        const ssize_t got = ::pread(descriptor, buffer, size, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error = lastError(EIO);
            return 0;
        }
    }
}

int writeOpenFile(int descriptor, const char* data, std::size_t size)
{
    while (size > 0) {
        errno = 0;
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 && errno ? errno : ENOSPC;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

int syncOpenFile(int descriptor)
{
    errno = 0;
    return ::fsync(descriptor) == 0 ? 0 : lastError(EIO);
}

int sizeOfOpenFile(int descriptor, std::uint64_t& size)
{
    struct stat status {};
    errno = 0;
    if (::fstat(descriptor, &status) != 0)
        return lastError(EIO);
    size = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

}  // namespace files
