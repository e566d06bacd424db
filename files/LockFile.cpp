#include <files/LockFile.h>

#include <files/FileFacts.h>
#include <files/HandleCalls.h>

#include <cerrno>

namespace files {

LockFile::~LockFile() = default;

int LockFile::openFile(const std::string& path)
{
    close();
    return openPlainFile(file_, path, system::Opening::lock, 0644);
}

int LockFile::openFolder(const std::string& path, bool followLink)
{
    close();
    NativeHandle handle = noHandle;
    const int error = system::openFolder(path, followLink, handle);
    file_.hold(handle);
    folder_ = error == 0;
    path_ = folder_ ? path : std::string();
    return error;
}

int LockFile::tryLock()
{
    if (!file_.isOpen())
        return EBADF;
    if (!folder_)
        return system::tryLock(file_.get());
    if (folderLock_.isOpen())
        return 0;
    NativeHandle lock = noHandle;
    const int error = system::tryLockFolder(file_.get(), path_, lock);
    folderLock_.hold(lock);
    return error;
}

std::string LockFile::text(std::size_t limit) const
{
    if (!file_.isOpen() || folder_)
        return {};
    std::string bytes(limit, '\0');
    int error = 0;
    bytes.resize(readSome(file_.get(), bytes.data(), limit, 0, error));
    return bytes;
}

void LockFile::setText(const std::string& text)
{
    if (file_.isOpen() && !folder_ && system::resize(file_.get(), 0) == 0)
        writeAll(file_.get(), text.data(), text.size(), 0);
}

std::uint64_t LockFile::names() const
{
    FileFacts facts;
    if (!file_.isOpen() || system::factsOf(file_.get(), facts) != 0
        || facts.kind != FileFacts::Kind::regular)
        return 0;
    return facts.links;
}

bool LockFile::isOpen() const
{
    return file_.isOpen();
}

void LockFile::close()
{
    folderLock_.close();
    file_.close();
    folder_ = false;
    path_.clear();
}

}  // namespace files
