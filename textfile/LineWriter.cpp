#include <textfile/LineWriter.h>

#include <textfile/FileByteSink.h>

#include <cstring>

namespace textfile {

LineWriter::LineWriter(ByteSink& sink, std::size_t bufferSize)
    : sink_(&sink), buffer_(bufferSize ? bufferSize : 2)
{
}

LineWriter::LineWriter(const std::string& path, std::size_t bufferSize)
    : owned_(std::make_unique<FileByteSink>(path)),
      sink_(owned_.get()),
      buffer_(bufferSize ? bufferSize : 2)
{
    ok_ = isOpen();
}

LineWriter::~LineWriter()
{
    close();
}

bool LineWriter::isOpen() const
{
    auto* file = dynamic_cast<FileByteSink*>(sink_);
    return !file || file->isOpen();
}

void LineWriter::put(const char* data, std::size_t size)
{
    if (used_ + size > buffer_.size()) {
        flush();
        if (size > buffer_.size()) {
            ok_ = sink_->write(data, size) && ok_;
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
}

void LineWriter::write(std::string_view line)
{
    put(line.data(), line.size());
    put("\r\n", 2);
}

bool LineWriter::flush()
{
    if (used_ > 0) {
        ok_ = sink_->write(buffer_.data(), used_) && ok_;
        used_ = 0;
    }
    return ok_;
}

bool LineWriter::close()
{
    flush();
    if (auto* file = dynamic_cast<FileByteSink*>(owned_.get()))
        ok_ = file->close() && ok_;
    return ok_;
}

}  // namespace textfile
