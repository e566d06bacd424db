#include <workshop/window/OperationFrame.h>

#include <files/AsideFile.h>
#include <files/FileFacts.h>
#include <files/FileSwitch.h>
#include <files/FileSystem.h>
#include <files/WritableFile.h>
#include <textfile/ByteSink.h>
#include <textfile/ByteSource.h>
#include <textfile/LineWriter.h>
#include <textfile/SystemReason.h>
#include <workshop/ops/DerivedNames.h>
#include <workshop/window/CheckedLineSource.h>
#include <workshop/window/DescriptorByteSink.h>
#include <workshop/window/InPlaceFile.h>
#include <workshop/window/OperationFailure.h>
#include <workshop/window/SystemReason.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <exception>
#include <new>

namespace workshop {

namespace {

[[noreturn]] void failToWrite(const QString& named, const QString& reason)
{
    throw OperationFailure(QStringLiteral("Impossible d'écrire %1 : %2.").arg(named, reason));
}

[[noreturn]] void failToWrite(const QString& named, int errorNumber)
{
    failToWrite(named, systemReason(errorNumber));
}

int lastError(int otherwise)
{
    return errno ? errno : otherwise;
}

// The staged result of an in-place write, named after its destination so that a user who is
// told to fetch it there recognises it.
QString stagedName(const QString& target)
{
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("extracteur-XXXXXX-") + QFileInfo(target).fileName().left(64));
}

std::string utf8(const QString& path)
{
    return path.toUtf8().toStdString();
}

// The bytes of a LineWriter into the new content of an output, written beside its target;
// a failure keeps the system's own error number, as DescriptorByteSink does.
class AsideByteSink : public textfile::ByteSink {
public:
    explicit AsideByteSink(files::AsideFile& file) : file_(file) {}

    bool write(const char* data, std::size_t size) override
    {
        if (error_ == 0)  // once lost, spare the disk
            error_ = file_.write(data, size);
        return error_ == 0;
    }
    std::string errorText() const override
    {
        return error_ ? textfile::systemReason(error_) : std::string();
    }
    int errorNumber() const override { return error_; }

private:
    files::AsideFile& file_;
    int error_ = 0;
};

const QString tempFolderNote = QStringLiteral(" (dossier temporaire du système)");
const QString nothingChanged = QStringLiteral(" ; aucun fichier n'a été modifié");

}  // namespace

struct OperationFrame::Output {
    // Written beside its target, then put in its place.
    Output(const QString& name, std::unique_ptr<files::AsideFile> file)
        : named(name), aside(std::move(file)), sink(std::make_unique<AsideByteSink>(*aside))
    {
    }
    // Written in place: the result waits in the temporary folder.
    Output(const QString& name, std::unique_ptr<QTemporaryFile> file,
           std::unique_ptr<InPlaceFile> existing)
        : named(name),
          staged(std::move(file)),
          inPlace(std::move(existing)),
          sink(std::make_unique<DescriptorByteSink>(*staged))
    {
    }

    QString named;                            // how messages name it
    std::unique_ptr<files::AsideFile> aside;  // the new content beside its target, or null
    std::unique_ptr<QTemporaryFile> staged;   // the result of an in-place write, or null
    std::unique_ptr<InPlaceFile> inPlace;     // the existing file written in place, or null
    std::unique_ptr<textfile::ByteSink> sink;
    textfile::LineWriter writer{*sink};  // declared last: flushes into the file before it goes
};

namespace {

// The length of the staged result of an in-place write; -1 when it cannot be known.
std::int64_t stagedSize(const QTemporaryFile& file)
{
    std::uint64_t size = 0;
    return files::sizeOfOpenFile(file.handle(), size) == 0 ? static_cast<std::int64_t>(size) : -1;
}

}  // namespace

OperationFrame::Outcome OperationFrame::run(const std::function<QString(OperationFrame&)>& work,
                                            const FrameHooks& hooks)
{
    try {
        OperationFrame frame(hooks);
        const QString message = work(frame);
        frame.commit();
        return {true, message};
    } catch (const OperationFailure& failure) {
        return {false, failure.message()};
    } catch (const std::bad_alloc&) {
        return {false,
                QStringLiteral("Mémoire insuffisante : l'opération est abandonnée, "
                               "aucun fichier n'a été modifié.")};
    } catch (const std::exception& error) {
        return {false,
                QStringLiteral("L'opération a échoué (%1) : aucun fichier n'a été modifié.")
                    .arg(QString::fromLocal8Bit(error.what()))};
    }
}

OperationFrame::OperationFrame(const FrameHooks& hooks) : hooks_(hooks) {}

void OperationFrame::require(const status::Status& done)
{
    if (!done.ok())
        throw OperationFailure(
            QStringLiteral("L'opération a échoué (%1) : aucun fichier n'a été modifié.")
                .arg(QString::fromStdString(done.why())));
}

OperationFrame::~OperationFrame() = default;

textfile::LineSource& OperationFrame::source(const QString& path)
{
    sources_.push_back(std::make_unique<CheckedLineSource>(path, QStringLiteral("la source")));
    return *sources_.back();
}

textfile::LineSink& OperationFrame::output(const QString& path)
{
    if (path.isEmpty())
        throw OperationFailure(
            QStringLiteral("La case « destination » est vide : aucun fichier à écrire."));
    return openOutput(path, QStringLiteral("la destination « %1 »").arg(path));
}

textfile::LineSink& OperationFrame::openOutput(const QString& path, const QString& named)
{
    files::FileFacts facts;
    const int missing = files::factsOf(utf8(path), facts);
    const bool exists = missing == 0;
    if (exists) {
        if (facts.kind != files::FileFacts::Kind::regular)
            failToWrite(named,
                        facts.kind == files::FileFacts::Kind::folder ? EISDIR
                                                                     : textfile::notAPlainFile);
        if (const int refusal = files::mayWrite(utf8(path)))
            failToWrite(named, refusal);
    } else if (missing != ENOENT) {
        failToWrite(named, missing);
    }
    // A symbolic link is written through: its target is the file that is replaced.
    const QFileInfo info(path);
    const QString target = exists ? info.canonicalFilePath() : info.absoluteFilePath();
    bool inPlace = false;
    if (const int refusal = files::mayWrite(utf8(QFileInfo(target).absolutePath()))) {
        if (refusal != EACCES || !exists)
            failToWrite(named, refusal);
        inPlace = true;
    }

    if (inPlace) {
        // Opened now, while it is the file just checked, and written through what was opened.
        auto existing = std::make_unique<InPlaceFile>(path, hooks_);
        if (existing->error() != 0)
            failToWrite(named, existing->error());
        auto staged = std::make_unique<QTemporaryFile>(stagedName(target));
        errno = 0;
        if (!staged->open())
            failToWrite(named, systemReason(lastError(EACCES)) + tempFolderNote);
        outputs_.push_back(std::make_unique<Output>(named, std::move(staged), std::move(existing)));
        return outputs_.back()->writer;
    }
    auto aside = std::make_unique<files::AsideFile>();
    if (const int error = aside->open(utf8(target)))
        failToWrite(named, error);
    // The replacement takes the permission bits of the file it replaces.
    if (exists)
        if (const int error = aside->setMode(facts.mode))
            failToWrite(named, error);
    outputs_.push_back(std::make_unique<Output>(named, std::move(aside)));
    return outputs_.back()->writer;
}

std::vector<textfile::LineSink*>
OperationFrame::derivedOutputs(const QString& sourcePath, const std::vector<std::string>& suffixes)
{
    std::vector<textfile::LineSink*> sinks;
    for (const std::string& suffix : suffixes) {
        const auto name = workshop::derivedName(sourcePath.toStdString(), suffix);
        if (!name)
            throw OperationFailure(
                QStringLiteral("La case « source » est vide : aucun fichier à nommer."));
        const QString path = QString::fromStdString(*name);
        sinks.push_back(&openOutput(
            path, QStringLiteral("le fichier « %1 » (nommé d'après la source)").arg(path)));
    }
    return sinks;
}

workshop::ReferenceOpener OperationFrame::reference(const QString& path)
{
    return [path]() -> std::unique_ptr<textfile::LineSource> {
        return std::make_unique<CheckedLineSource>(path, QStringLiteral("la référence"));
    };
}

void OperationFrame::commit()
{
    if (hooks_.beforeCommit)
        hooks_.beforeCommit();
    sources_.clear();  // a source may be replaced by an output below
    flushOutputs();
    reserveInPlace();
    commitSaveFiles();
    writeInPlace();
}

// Every output complete on its disk before any file is touched.
void OperationFrame::flushOutputs()
{
    for (const auto& output : outputs_) {
        int error = output->writer.flush() ? 0 : output->writer.errorNumber();
        if (error == 0)
            error = output->aside ? output->aside->sync()
                                  : files::syncOpenFile(output->staged->handle());
        if (error == 0)
            continue;
        failToWrite(output->named,
                    systemReason(error) + (output->inPlace ? tempFolderNote : QString())
                        + nothingChanged);
    }
}

// Each file written in place is still the one checked and has room for its whole result;
// else none is touched.
void OperationFrame::reserveInPlace()
{
    for (const auto& output : outputs_) {
        if (!output->inPlace)
            continue;
        const std::int64_t size = stagedSize(*output->staged);
        QString reason;
        if (!output->inPlace->stillAtItsPath())
            reason = QStringLiteral("ce n'est plus le fichier vérifié au début de l'opération "
                                    "(remplacé ou déplacé entre-temps)");
        else if (size < 0)
            reason = systemReason(lastError(EIO)) + tempFolderNote;
        else if (const int error = output->inPlace->reserve(output->staged->handle(), size))
            reason = systemReason(error);
        if (!reason.isEmpty()) {
            releaseInPlace();
            failToWrite(output->named, reason + nothingChanged);
        }
    }
}

void OperationFrame::releaseInPlace()
{
    for (const auto& output : outputs_)
        if (output->inPlace)
            output->inPlace->release();
}

// Every output written aside is put in place with the others: each file it replaces keeps a
// second name until the last one is in place, and a failure at any step puts every one back.
void OperationFrame::commitSaveFiles()
{
    files::FileSwitch places;
    places.copyWhereNoLinks = true;  // a USB key formatted FAT has no hard links
    places.stepError = hooks_.switchStep;
    std::vector<const Output*> switched;
    for (const auto& output : outputs_) {
        if (!output->aside)
            continue;
        if (const int error = output->aside->finish()) {
            releaseInPlace();
            failToWrite(output->named, systemReason(error) + nothingChanged);
        }
        places.add(output->aside->path(), output->aside->target(), {}, output->aside->target());
        switched.push_back(output.get());
    }
    int error = places.keepOld();
    if (error == 0)
        error = places.switchIn();
    if (error != 0) {
        const auto failed = switched[std::size_t(&places.failed() - places.moves().data())];
        const int notBack = places.putBack();
        places.removeKept();
        releaseInPlace();
        if (notBack != 0)
            failToWrite(failed->named,
                        systemReason(error)
                            + QStringLiteral(" ; « %1 » n'a pas pu reprendre sa place (%2), son "
                                             "ancien contenu est conservé dans « %3 »")
                                  .arg(QString::fromStdString(places.failed().to),
                                       systemReason(notBack),
                                       QString::fromStdString(places.failed().kept)));
        failToWrite(failed->named, systemReason(error) + nothingChanged);
    }
    for (const auto* output : switched)
        output->aside->placed();
    places.removeKept();
}

// The room is there: a write can fail now only on a disk that fails, or on a file system
// that copies on write. The complete result of each file that could not be written is kept
// in the temporary folder, named in the message.
void OperationFrame::writeInPlace()
{
    QStringList failures;
    for (const auto& output : outputs_) {
        if (!output->inPlace)
            continue;
        const int error =
            output->inPlace->overwriteWith(output->staged->handle(), stagedSize(*output->staged));
        if (error == 0)
            continue;
        auto& staged = *output->staged;
        staged.setAutoRemove(false);
        failures << QStringLiteral("Impossible d'écrire %1 : %2 ; le fichier n'a été écrit qu'en "
                                   "partie, le résultat complet est conservé dans « %3 ».")
                        .arg(output->named, systemReason(error), staged.fileName());
    }
    if (!failures.isEmpty())
        throw OperationFailure(failures.join(QLatin1Char(' ')));
}

}  // namespace workshop
