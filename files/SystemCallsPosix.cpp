#include <files/FileKind.h>
#include <files/SystemCalls.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files::system {

namespace {

int flagsOf(Opening opening)
{
    switch (opening) {
    case Opening::read:
        // Non-blocking, in case the path was swapped for a pipe since it was looked at: the
        // open returns at once, and the caller's check refuses it.
        return O_RDONLY | O_NONBLOCK;
    case Opening::replace:
        return O_WRONLY | O_CREAT | O_TRUNC;
    case Opening::create:
        return O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
    case Opening::writeExisting:
        return O_WRONLY | O_NONBLOCK | O_NOCTTY;
    case Opening::lock:
        return O_RDWR | O_CREAT | O_NOFOLLOW;
    }
    return O_RDONLY;
}

// What a read or a write returned: how many bytes in `done`, or why none.
int counted(ssize_t count, std::size_t& done)
{
    done = count > 0 ? static_cast<std::size_t>(count) : 0;
    return count >= 0 ? 0 : lastError(EIO);
}

}  // namespace

int lastError(int fallback)
{
    return errno ? errno : fallback;
}

int open(const std::string& path, Opening opening, unsigned mode, NativeHandle& handle)
{
    errno = 0;
    handle = ::open(path.c_str(), flagsOf(opening) | O_CLOEXEC, static_cast<mode_t>(mode));
    if (handle < 0) {
        handle = noHandle;
        // a pipe without a reader refuses a non-blocking writer with ENXIO
        return opening == Opening::writeExisting && errno == ENXIO ? notAPlainFile
                                                                   : lastError(EACCES);
    }
    if (opening == Opening::read)
        ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    return 0;
}

int openFolder(const std::string& path, bool followLink, NativeHandle& handle)
{
    errno = 0;
    handle =
        ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (handle >= 0)
        return 0;
    handle = noHandle;
    return lastError(EACCES);
}

int close(NativeHandle handle)
{
    errno = 0;
    // after EINTR the descriptor is closed all the same (Linux)
    return ::close(handle) == 0 || errno == EINTR ? 0 : lastError(EIO);
}

int read(NativeHandle handle, char* buffer, std::size_t size, std::uint64_t offset,
         std::size_t& got)
{
    errno = 0;
    return counted(offset == whereItStands
                       ? ::read(handle, buffer, size)
                       : ::pread(handle, buffer, size, static_cast<off_t>(offset)),
                   got);
}

int write(NativeHandle handle, const char* data, std::size_t size, std::uint64_t offset,
          std::size_t& put)
{
    errno = 0;
    return counted(offset == whereItStands
                       ? ::write(handle, data, size)
                       : ::pwrite(handle, data, size, static_cast<off_t>(offset)),
                   put);
}

int sync(NativeHandle handle)
{
    errno = 0;
    return ::fsync(handle) == 0 ? 0 : lastError(EIO);
}

int setMode(NativeHandle handle, unsigned mode)
{
    errno = 0;
    return ::fchmod(handle, static_cast<mode_t>(mode & 07777)) == 0 ? 0 : lastError(EPERM);
}

int resize(NativeHandle handle, std::uint64_t size)
{
    errno = 0;
    return ::ftruncate(handle, static_cast<off_t>(size)) == 0 ? 0 : lastError(EIO);
}

// fallocate(2) itself, keeping the file's length: the room is taken without a byte of the
// file changing, and what lies beyond its end is given back by cutting it to its own length.
// posix_fallocate is not used: where a file system has no fallocate, glibc emulates it by
// writing a zero into every block, which needs to read the file first (a write-only
// descriptor cannot) and grows the file with zeros.
int reserve(NativeHandle handle, std::uint64_t size)
{
    errno = 0;
    return ::fallocate(handle, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0
        ? 0
        : lastError(EIO);
}

int tryLock(NativeHandle handle)
{
    errno = 0;
    if (::flock(handle, LOCK_EX | LOCK_NB) == 0)
        return 0;
    return errno == EWOULDBLOCK ? EWOULDBLOCK : lastError(EIO);
}

int tryLockFolder(NativeHandle folder, const std::string&, NativeHandle& lock)
{
    lock = noHandle;  // the folder's own descriptor holds the lock
    return tryLock(folder);
}

int handleOf(int descriptor, NativeHandle& handle)
{
    handle = descriptor;
    return descriptor >= 0 ? 0 : EBADF;
}

int descriptorOf(NativeHandle handle)
{
    return handle;
}

}  // namespace files::system
