#include <textfile/FileFailure.h>

#include <textfile/LineReader.h>
#include <textfile/SystemReason.h>

#include <files/ShownPath.h>

namespace textfile {

std::string failureText(const std::string& path, const std::string& reason)
{
    return files::shownPath(path) + " : " + reason;
}

status::Status failureAt(const std::string& path, const std::string& reason)
{
    return status::Status::failure(failureText(path, reason));
}

status::Status fromErrno(const std::string& path, int errorNumber)
{
    return failureAt(path, systemReason(errorNumber));
}

status::Status fromReader(const std::string& path, const LineReader& reader)
{
    const status::Status read = reader.status();
    return read.ok() ? read : failureAt(path, read.why());
}

}  // namespace textfile
