#include "SourceFiles.h"

#include "DicReader.h"

#include <LineReader.h>

#include <sys/stat.h>

namespace listgen {

namespace {

template <typename Read>
bool readFile(const std::string& path, std::string& error, Read read)
{
    textfile::LineReader reader(path);
    if (!reader.isOpen()) {
        error = path + ": " + reader.errorText();
        return false;
    }
    read(reader);
    if (reader.failed()) {
        error = path + ": " + reader.errorText();
        return false;
    }
    return true;
}

}  // namespace

bool SourceFiles::exists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

bool SourceFiles::load(const SourcePaths& paths, DictionarySources& sources, std::string& error)
{
    const bool ok = readFile(paths.modernDic, error,
                             [&](textfile::LineReader& r) { sources.modern = DicReader::entries(r); })
        && readFile(paths.olderList, error,
                    [&](textfile::LineReader& r) { sources.older = DicReader::words(r); });
    if (!ok)
        return false;
    sources.hasReformed = exists(paths.reformedDic)
        && readFile(paths.reformedDic, error,
                    [&](textfile::LineReader& r) { sources.reformed = DicReader::entries(r); });
    return true;
}

}  // namespace listgen
