#pragma once

#include "LineSink.h"
#include "LineSource.h"
#include "ReferenceOpener.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CheckedLineSource;

// The files of one workshop operation. Sources are read as they are; every output is written
// to a temporary file in its own folder and takes the place of its target only when the whole
// operation has succeeded, so a failure leaves every file as it was and a source may also be
// the destination. Failures throw OperationFailure with a French message for the user.
class OperationFrame {
public:
    struct Outcome {
        bool ok;
        QString message;  // the operation's own message, or what went wrong
    };

    // Runs one whole operation: `work` opens its files through the frame, streams them and
    // returns its status message; the outputs are committed after it returns.
    static Outcome run(const std::function<QString(OperationFrame&)>& work);

    OperationFrame();
    ~OperationFrame();
    OperationFrame(const OperationFrame&) = delete;
    OperationFrame& operator=(const OperationFrame&) = delete;

    textfile::LineSource& source(const QString& path);
    textfile::LineSink& output(const QString& path);
    // One output per suffix, named after the source path less its last four characters.
    std::vector<textfile::LineSink*> derivedOutputs(const QString& sourcePath,
                                                    const std::vector<std::string>& suffixes);
    // Opens the reference list when an operation first asks for it.
    workshop::ReferenceOpener reference(const QString& path);

    // Closes the sources and puts every output in place.
    void commit();

private:
    struct Output;

    std::vector<std::unique_ptr<CheckedLineSource>> sources_;
    std::vector<std::unique_ptr<Output>> outputs_;
};
