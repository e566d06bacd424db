#include <files/FileKind.h>
#include <files/InputFile.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// EISDIR for a folder, notAPlainFile for a pipe, device or socket, 0 for a plain file.
int kindError(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return 0;
    return S_ISDIR(status.st_mode) ? EISDIR : notAPlainFile;
}

int lastError(int fallback)
{
    return errno ? errno : fallback;
}

}  // namespace

InputFile::~InputFile()
{
    close();
}

int InputFile::open(const std::string& path)
{
    close();
    struct stat status {};
    errno = 0;
    if (::stat(path.c_str(), &status) != 0)
        return lastError(ENOENT);
    if (const int kind = kindError(status))
        return kind;
    // Non-blocking, in case the path was swapped for a pipe since the check: the open returns
    // at once, and the check below refuses it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return lastError(EACCES);
    int error = 0;
    if (::fstat(descriptor, &status) != 0)
        error = lastError(EIO);
    else
        error = kindError(status);
    if (error != 0) {
        ::close(descriptor);
        return error;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    descriptor_ = descriptor;
    return 0;
}

bool InputFile::isOpen() const
{
    return descriptor_ >= 0;
}

std::size_t InputFile::read(char* buffer, std::size_t capacity, int& error)
{
    if (descriptor_ < 0)
        return 0;
    for (;;) {
        const ssize_t got = ::read(descriptor_, buffer, capacity);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR) {
            error = lastError(EIO);
            return 0;
        }
    }
}

void InputFile::close()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace files
