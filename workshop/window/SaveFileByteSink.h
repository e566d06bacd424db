#pragma once

#include "ByteSink.h"

#include <QSaveFile>

// Hands a LineWriter's bytes to a QSaveFile, which keeps them aside until it is committed.
class SaveFileByteSink : public textfile::ByteSink {
public:
    explicit SaveFileByteSink(QSaveFile& file) : file_(file) {}

    bool write(const char* data, std::size_t size) override;
    std::string errorText() const override { return error_; }

private:
    QSaveFile& file_;
    std::string error_;
};
