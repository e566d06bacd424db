#include "SaveFileByteSink.h"

bool SaveFileByteSink::write(const char* data, std::size_t size)
{
    if (!error_.empty())
        return false;  // the output is lost already: spare the disk
    if (file_.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        error_ = file_.errorString().toStdString();
        if (error_.empty())
            error_ = "write failed";
        return false;
    }
    return true;
}
