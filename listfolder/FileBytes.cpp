#include <listfolder/FileBytes.h>

#include <textfile/FileFailure.h>

#include <files/ShownPath.h>

#include <textfile/FileByteSource.h>

namespace listfolder {

status::Result<std::string> FileBytes::read(const std::string& path, std::size_t limit)
{
    std::string bytes;
    textfile::FileByteSource source(path);
    if (!source.isOpen())
        return textfile::fromErrno(path, source.errorNumber());
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = source.read(buffer, sizeof buffer);
        if (got == 0)
            break;
        if (bytes.size() + got > limit) {
            const bool mebibytes = limit >= (std::size_t(1) << 20);
            return textfile::failureAt(path,
                                       "fichier trop grand (plus de "
                                           + std::to_string(mebibytes ? limit >> 20 : limit)
                                           + (mebibytes ? " Mio)" : " octets)"));
        }
        bytes.append(buffer, got);
    }
    if (source.failed())
        return textfile::fromErrno(path, source.errorNumber());
    return bytes;
}

std::string FileBytes::start(const std::string& path, std::size_t count)
{
    textfile::FileByteSource source(path);
    std::string bytes(count, '\0');
    std::size_t got = 0;
    while (source.isOpen() && got < count) {
        const std::size_t read = source.read(&bytes[got], count - got);
        if (read == 0)
            break;
        got += read;
    }
    bytes.resize(source.failed() ? 0 : got);
    return bytes;
}

}  // namespace listfolder
