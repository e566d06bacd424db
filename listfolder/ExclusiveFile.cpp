#include <listfolder/ExclusiveFile.h>

#include <textfile/SystemReason.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace listfolder {

ExclusiveFile::ExclusiveFile(const std::string& path, unsigned mode) : path_(path)
{
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                 static_cast<mode_t>(mode));
    if (fd_ < 0)
        fail(errno);
}

ExclusiveFile::~ExclusiveFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void ExclusiveFile::fail(int number)
{
    if (errorNumber_ != 0)
        return;
    errorNumber_ = number;
    error_ = path_ + " : " + reason(number);
}

bool ExclusiveFile::write(const char* data, std::size_t size)
{
    if (fd_ < 0 || errorNumber_ != 0)
        return false;
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ExclusiveFile::setMode(unsigned mode)
{
    if (fd_ < 0 || ::fchmod(fd_, static_cast<mode_t>(mode & 07777)) != 0) {
        fail(fd_ < 0 ? EBADF : errno);
        return false;
    }
    return true;
}

bool ExclusiveFile::close()
{
    if (fd_ < 0)
        return false;
    if (::fsync(fd_) != 0)
        fail(errno);
    if (::close(fd_) != 0)
        fail(errno);
    fd_ = -1;
    return errorNumber_ == 0;
}

std::string ExclusiveFile::reason(int errorNumber)
{
    switch (errorNumber) {
    case EEXIST:
        return "un fichier ou un lien porte déjà ce nom";
    case EXDEV:
        return "pas sur le même système de fichiers";
    case ENOTEMPTY:
        return "le dossier n'est pas vide";
    default:
        return textfile::systemReason(errorNumber);
    }
}

}  // namespace listfolder
