#include <files/AsideFile.h>
#include <files/FileSystem.h>
#include <files/RandomLetters.h>
#include <files/Replace.h>
#include <files/Utf8Path.h>

#include <cerrno>

namespace files {

namespace {

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

int AsideFile::finish()
{
    if (!file_.isOpen())
        return EBADF;
    const int error = synced_ ? 0 : file_.sync();
    const int closed = file_.close();
    return error != 0 ? error : closed;
}

int AsideFile::commit()
{
    int error = finish();
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
