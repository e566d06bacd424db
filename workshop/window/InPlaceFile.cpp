#include <workshop/window/InPlaceFile.h>

#include <files/FileIdentity.h>
#include <textfile/ByteSource.h>

#include <algorithm>
#include <cerrno>

namespace workshop {

namespace {

std::string utf8(const QString& path)
{
    return path.toUtf8().toStdString();
}

}  // namespace

InPlaceFile::InPlaceFile(const QString& path, const FrameHooks& hooks) : path_(path), hooks_(hooks)
{
    error_ = file_.open(utf8(path));
}

InPlaceFile::~InPlaceFile() = default;

bool InPlaceFile::stillAtItsPath() const
{
    files::FileIdentity now;
    return file_.isOpen() && files::identityOf(utf8(path_), now) == 0 && now == file_.identity();
}

// Where the file system has no fallocate (EOPNOTSUPP), the room is secured by writing first
// the part of the result that lies beyond the file's end: the rest of the result then only
// overwrites bytes that have their room already. A copy-on-write file system may still refuse
// a write after that; the caller keeps the whole result for that case.
int InPlaceFile::reserve(int staged, std::int64_t size)
{
    if (const int error = file_.size(sizeBefore_, roomBefore_))
        return error;
    reserved_ = true;
    if (size == 0)
        return 0;
    int error = hooks_.reserve ? hooks_.reserve(file_.descriptor(), size)
                               : file_.reserve(static_cast<std::uint64_t>(size));
    if (error == EOPNOTSUPP || error == ENOSYS)
        error = static_cast<std::uint64_t>(size) > sizeBefore_
            ? writeRange(staged, static_cast<std::int64_t>(sizeBefore_), size)
            : 0;
    if (error != 0)
        release();
    return error;
}

void InPlaceFile::release()
{
    std::uint64_t size = 0;
    std::uint64_t room = 0;
    if (!reserved_ || file_.size(size, room) != 0)
        return;
    reserved_ = false;
    // Cutting the file to its own length gives back what was taken beyond its end; a file
    // that nothing was taken for is left alone.
    if (size != sizeBefore_ || room > roomBefore_)
        file_.resize(sizeBefore_);
}

int InPlaceFile::overwriteWith(int staged, std::int64_t size)
{
    reserved_ = false;
    if (const int error = writeRange(staged, 0, size))
        return error;
    if (const int error = file_.resize(static_cast<std::uint64_t>(size)))
        return error;
    return file_.sync();
}

// Copies the bytes `from` to `to` of `staged` to the same places in the file.
int InPlaceFile::writeRange(int staged, std::int64_t from, std::int64_t to)
{
    char buffer[1 << 16];
    while (from < to) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::int64_t>(sizeof buffer, to - from));
        int error = 0;
        const std::size_t got =
            files::readAt(staged, buffer, wanted, static_cast<std::uint64_t>(from), error);
        if (got == 0)
            return error ? error : EIO;  // the result is shorter than it said
        if (const int failed = writeAt(buffer, got, from))
            return failed;
        from += static_cast<std::int64_t>(got);
    }
    return 0;
}

int InPlaceFile::writeAt(const char* data, std::size_t size, std::int64_t offset)
{
    return hooks_.write ? hooks_.write(file_.descriptor(), data, size, offset)
                        : file_.writeAt(data, size, static_cast<std::uint64_t>(offset));
}

}  // namespace workshop
