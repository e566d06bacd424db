#pragma once

#include <textfile/LineSink.h>
#include <textfile/LineSource.h>
#include <workshop/ops/ReferenceOpener.h>
#include <workshop/window/FrameHooks.h>

#include <status/Result.h>
#include <status/Status.h>

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace workshop {

class CheckedLineSource;

// The files of one workshop operation. Sources and the reference are read only when they are
// plain files. Every output is written to a temporary file in its own folder and takes the
// place of its target only when the whole operation has succeeded, so a failure leaves every
// file as it was and a source may also be the destination; a replaced file keeps its
// permission bits. An existing output that is not a plain file is refused.
//
// When the folder refuses new files but an existing output may be written, the output is
// kept in the system's temporary folder until the operation has succeeded and is then
// copied into the existing file (an InPlaceFile), which keeps its owner, mode and other names
// (hard links). That file is opened when it is checked and written through that descriptor
// only; if its path names another file by the end, nothing is put in place. The room for
// every such result is reserved before any of them is written: a disk too full leaves every
// file as it was, and a write that fails after that keeps the complete result in the
// temporary folder and names it. Everywhere else the aside-and-rename way is kept, and a
// destination with several hard links is replaced under the typed name only: its other names
// keep the old content.
//
// Failures throw OperationFailure with a French message that names the box, the path and the
// system's reason. Exceptions stay inside the frame: run() catches every one and gives back an
// Outcome; the operations of workshop/ops and the libraries below them throw none and say a
// failure with a status::Status, which require() turns into the frame's failure.
class OperationFrame {
public:
    struct Outcome {
        bool ok;
        QString message;  // the operation's own message, or what went wrong
    };

    // Runs one whole operation: `work` opens its files through the frame, streams them and
    // returns its report message; the outputs are committed after it returns.
    static Outcome run(const std::function<QString(OperationFrame&)>& work,
                       const FrameHooks& hooks = {});

    explicit OperationFrame(const FrameHooks& hooks = {});
    ~OperationFrame();
    OperationFrame(const OperationFrame&) = delete;
    OperationFrame& operator=(const OperationFrame&) = delete;

    // The source list (the "source" box).
    textfile::LineSource& source(const QString& path);
    // The destination (the "destination" box).
    textfile::LineSink& output(const QString& path);
    // One output per suffix, named after the source path (see workshop::derivedName).
    std::vector<textfile::LineSink*> derivedOutputs(const QString& sourcePath,
                                                    const std::vector<std::string>& suffixes);
    // Opens the reference list when an operation first asks for it.
    workshop::ReferenceOpener reference(const QString& path);

    // Closes the sources and puts every output in place.
    void commit();

    // Ends the operation when `done` failed: nothing is put in place and its French reason is
    // said, « L'opération a échoué (…) : aucun fichier n'a été modifié. ».
    void require(const status::Status& done);
    // The value made, or the same end.
    template <typename T> T require(status::Result<T> made)
    {
        require(made.status());
        return std::move(*made);
    }

private:
    struct Output;

    // `named` is how messages name the output, e.g. « la destination « … » ».
    textfile::LineSink& openOutput(const QString& path, const QString& named);
    void flushOutputs();
    void reserveInPlace();
    void releaseInPlace();
    void commitSaveFiles();
    void writeInPlace();

    FrameHooks hooks_;
    std::vector<std::unique_ptr<CheckedLineSource>> sources_;
    std::vector<std::unique_ptr<Output>> outputs_;
};

}  // namespace workshop
