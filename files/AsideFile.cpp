#include <files/AsideFile.h>
#include <files/FileSystem.h>
#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <cerrno>
#include <random>

namespace files {

namespace {

std::string randomLetters()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string text(6, 'x');
    for (char& c : text)
        c = letters[pick(random)];
    return text;
}

std::string folderOf(const std::string& path)
{
    const std::string folder = toUtf8(fromUtf8(path).parent_path());
    return folder.empty() ? "." : folder;
}

}  // namespace

AsideFile::~AsideFile()
{
    discard();
}

int AsideFile::open(const std::string& target, const std::string& suffix, unsigned mode)
{
    discard();
    target_ = target;
    synced_ = false;
    if (!suffix.empty()) {
        path_ = target + suffix;
        removeFile(path_);
        const int error = file_.create(path_, mode);
        if (error != 0)
            path_.clear();
        return error;
    }
    // a name someone else took meanwhile is never written through: another is drawn
    for (int tries = 0;; ++tries) {
        path_ = target + "." + randomLetters();
        const int error = file_.create(path_, mode);
        if (error == 0)
            return 0;
        if (error != EEXIST || tries == 99) {
            path_.clear();
            return error;
        }
    }
}

int AsideFile::write(const char* data, std::size_t size)
{
    synced_ = false;
    return file_.write(data, size);
}

int AsideFile::setMode(unsigned mode)
{
    return file_.setMode(mode);
}

int AsideFile::sync()
{
    const int error = file_.sync();
    synced_ = error == 0;
    return error;
}

int AsideFile::commit()
{
    if (!file_.isOpen())
        return EBADF;
    int error = synced_ ? 0 : file_.sync();
    const int closed = file_.close();
    if (error == 0)
        error = closed;
    if (error == 0)
        error = replaceFile(path_, target_);
    if (error != 0) {
        removeFile(path_);
        path_.clear();
        return error;
    }
    path_.clear();
    syncFolder(folderOf(target_));  // the new name on disk too
    return 0;
}

void AsideFile::discard()
{
    if (file_.isOpen())
        file_.close();
    if (!path_.empty())
        removeFile(path_);
    path_.clear();
}

}  // namespace files
