#pragma once

#include <textfile/LineReader.h>
#include <textfile/LineSource.h>

#include <QString>

namespace workshop {

// Reads a plain file line by line; opening and reading failures throw an OperationFailure
// that names the box and the file, so an operation never mistakes a failed read for the end
// of its input; so does a line longer than textfile::longestLine, with its number, as soon as
// its first mebibyte is read. `box` is the box's name with its article: "la source",
// "la référence".
class CheckedLineSource : public textfile::LineSource {
public:
    CheckedLineSource(const QString& path, const QString& box);

    bool next(std::string& line) override;

private:
    QString path_;
    QString box_;
    textfile::LineReader reader_;
};

}  // namespace workshop
