#include <textfile/LineReader.h>

#include <textfile/FileByteSource.h>
#include <textfile/SystemReason.h>

#include <cstring>

namespace textfile {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize, std::size_t limit)
    : source_(&source), buffer_(bufferSize ? bufferSize : 1), limit_(limit)
{
}

LineReader::LineReader(const std::string& path, std::size_t bufferSize, std::size_t limit)
    : owned_(std::make_unique<FileByteSource>(path)),
      source_(owned_.get()),
      buffer_(bufferSize ? bufferSize : 1),
      limit_(limit)
{
}

LineReader::~LineReader() = default;

bool LineReader::isOpen() const
{
    auto* file = dynamic_cast<FileByteSource*>(source_);
    return !file || file->isOpen();
}

status::Status LineReader::status() const
{
    if (error_ == lineTooLong)
        return status::Status::failure(lineTooLongReason(limit_));
    if (!source_->failed())
        return {};
    const std::string why = source_->errorText();
    return status::Status::failure(why.empty() ? systemReason(source_->errorNumber()) : why);
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

// Nothing more is read once a line is over the limit: the rest of the file may be endless.
bool LineReader::refuseLongLine(std::string& line)
{
    error_ = lineTooLong;
    eof_ = true;
    pos_ = end_ = 0;
    line.clear();
    line.shrink_to_fit();
    return false;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    if (error_ != 0)
        return false;
    bool any = false;  // something of this line was seen (bytes or its terminator)
    for (;;) {
        if (pos_ == end_ && !fill()) {
            linesRead_ += any ? 1 : 0;
            return any;
        }
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
        if (n > limit_ - line.size())
            return refuseLongLine(line);
        line.append(start, n);
        pos_ += n;
        any = true;
        if (pos_ < end_) {
            skipLf_ = buffer_[pos_] == '\r';
            ++pos_;
            ++linesRead_;
            return true;
        }
    }
}

}  // namespace textfile
