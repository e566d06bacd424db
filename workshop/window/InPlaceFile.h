#pragma once

#include <files/WritableFile.h>
#include <workshop/window/FrameHooks.h>

#include <QString>

#include <cstdint>

namespace workshop {

// An existing file that an operation overwrites where it stands, because its folder refuses
// new files. It is opened once, when it is checked (files::WritableFile: a symbolic link is
// followed then, and only then), and written only through what was opened: a name swapped for
// a link or for another file during the operation never leads the write elsewhere.
//
// The result, complete in a file of its own, goes over it in three steps, so that a full disk
// never leaves a cut file: the room for the whole result is reserved in the file itself, the
// result is written over it, and the file takes the result's length.
class InPlaceFile {
public:
    // Opens `path` for writing; check error() before use.
    InPlaceFile(const QString& path, const FrameHooks& hooks);
    ~InPlaceFile();
    InPlaceFile(const InPlaceFile&) = delete;
    InPlaceFile& operator=(const InPlaceFile&) = delete;

    // 0 when the file is open; else the error number, or textfile::notAPlainFile.
    int error() const { return error_; }
    // Whether the path still names the file opened (the same files::FileIdentity).
    bool stillAtItsPath() const;
    // Secures the room for the `size` bytes of the descriptor `staged`; 0, or the error number
    // with the file's content and length as they were.
    int reserve(int staged, std::int64_t size);
    // Gives back a reservation that will not be used; content and length stay as they were.
    void release();
    // Writes the `size` bytes of `staged` over the file, gives it that length and syncs it;
    // 0, or the error number (the file is then partly written).
    int overwriteWith(int staged, std::int64_t size);

private:
    int writeRange(int staged, std::int64_t from, std::int64_t to);
    int writeAt(const char* data, std::size_t size, std::int64_t offset);

    QString path_;
    FrameHooks hooks_;
    files::WritableFile file_;
    int error_ = 0;
    bool reserved_ = false;
    std::uint64_t sizeBefore_ = 0;  // the file's length and room when the room was reserved
    std::uint64_t roomBefore_ = 0;
};

}  // namespace workshop
