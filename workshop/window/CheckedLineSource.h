#pragma once

#include "LineReader.h"
#include "LineSource.h"

#include <QString>

// Reads a file line by line; opening and reading failures throw an OperationFailure that
// names the file, so an operation never mistakes a failed read for the end of its input.
class CheckedLineSource : public textfile::LineSource {
public:
    explicit CheckedLineSource(const QString& path);

    bool next(std::string& line) override;

private:
    QString path_;
    textfile::LineReader reader_;
};
