#include <textfile/LineReader.h>

#include <textfile/FileByteSource.h>

#include <cstring>

namespace textfile {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize)
    : source_(&source), buffer_(bufferSize ? bufferSize : 1)
{
}

LineReader::LineReader(const std::string& path, std::size_t bufferSize)
    : owned_(std::make_unique<FileByteSource>(path)),
      source_(owned_.get()),
      buffer_(bufferSize ? bufferSize : 1)
{
}

LineReader::~LineReader() = default;

bool LineReader::isOpen() const
{
    auto* file = dynamic_cast<FileByteSource*>(source_);
    return !file || file->isOpen();
}

bool LineReader::fill()
{
    if (eof_)
        return false;
    pos_ = 0;
    end_ = source_->read(buffer_.data(), buffer_.size());
    if (end_ == 0)
        eof_ = true;
    return end_ > 0;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool any = false;  // something of this line was seen (bytes or its terminator)
    for (;;) {
        if (pos_ == end_ && !fill())
            return any;
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        const char* start = buffer_.data() + pos_;
        const std::size_t avail = end_ - pos_;
        std::size_t n = 0;
        while (n < avail && start[n] != '\r' && start[n] != '\n')
            ++n;
        line.append(start, n);
        pos_ += n;
        any = true;
        if (pos_ < end_) {
            skipLf_ = buffer_[pos_] == '\r';
            ++pos_;
            return true;
        }
    }
}

}  // namespace textfile
