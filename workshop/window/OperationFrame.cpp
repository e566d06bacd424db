#include <workshop/window/OperationFrame.h>

#include <textfile/ByteSource.h>
#include <textfile/LineWriter.h>
#include <workshop/ops/DerivedNames.h>
#include <workshop/window/CheckedLineSource.h>
#include <workshop/window/DescriptorByteSink.h>
#include <workshop/window/InPlaceFile.h>
#include <workshop/window/OperationFailure.h>
#include <workshop/window/SystemReason.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <exception>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

off_t sizeOf(const QFileDevice& file)
{
    struct stat status {};
    return ::fstat(file.handle(), &status) == 0 ? status.st_size : -1;
}

const QString tempFolderNote = QStringLiteral(" (dossier temporaire du système)");
const QString nothingChanged = QStringLiteral(" ; aucun fichier n'a été modifié");

}  // namespace

struct OperationFrame::Output {
    Output(const QString& name, std::unique_ptr<QFileDevice> device,
           std::unique_ptr<InPlaceFile> existing)
        : named(name),
          file(std::move(device)),
          inPlace(std::move(existing)),
          sink(*file),
          writer(sink)
    {
    }

    QString named;                      // how messages name it
    std::unique_ptr<QFileDevice> file;  // a QSaveFile, or the QTemporaryFile of an in-place write
    std::unique_ptr<InPlaceFile> inPlace;  // the existing file written in place, or null
    DescriptorByteSink sink;
    textfile::LineWriter writer;  // declared last: flushes into the file before it goes
};

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
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    const bool exists = ::stat(native.constData(), &status) == 0;
    if (exists) {
        if (!S_ISREG(status.st_mode))
            failToWrite(named, S_ISDIR(status.st_mode) ? EISDIR : textfile::notAPlainFile);
        if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
            failToWrite(named, lastError(EACCES));
    } else if (errno != ENOENT) {
        failToWrite(named, lastError(ENOENT));
    }
    // A symbolic link is written through: its target is the file that is replaced.
    const QFileInfo info(path);
    const QString target = exists ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    bool inPlace = false;
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
        const int refusal = lastError(EACCES);
        if (refusal != EACCES || !exists)
            failToWrite(named, refusal);
        inPlace = true;
    }

    std::unique_ptr<QFileDevice> file;
    std::unique_ptr<InPlaceFile> existing;
    errno = 0;
    if (inPlace) {
        // Opened now, while it is the file just checked, and written through this descriptor.
        existing = std::make_unique<InPlaceFile>(path, hooks_);
        if (existing->error() != 0)
            failToWrite(named, existing->error());
        auto staged = std::make_unique<QTemporaryFile>(stagedName(target));
        errno = 0;
        if (!staged->open())
            failToWrite(named, systemReason(lastError(EACCES)) + tempFolderNote);
        file = std::move(staged);
    } else {
        auto saved = std::make_unique<QSaveFile>(path);
        if (!saved->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            failToWrite(named, lastError(EACCES));
        // The replacement takes the permission bits of the file it replaces.
        if (exists && ::fchmod(saved->handle(), status.st_mode & 07777) != 0)
            failToWrite(named, lastError(EPERM));
        file = std::move(saved);
    }
    outputs_.push_back(std::make_unique<Output>(named, std::move(file), std::move(existing)));
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
        if (output->writer.flush() && ::fsync(output->file->handle()) == 0)
            continue;
        const int error = output->writer.errorNumber();
        failToWrite(output->named,
                    systemReason(error ? error : lastError(EIO))
                        + (output->inPlace ? tempFolderNote : QString()) + nothingChanged);
    }
}

// Each file written in place is still the one checked and has room for its whole result;
// else none is touched.
void OperationFrame::reserveInPlace()
{
    for (const auto& output : outputs_) {
        if (!output->inPlace)
            continue;
        const off_t size = sizeOf(*output->file);
        QString reason;
        if (!output->inPlace->stillAtItsPath())
            reason = QStringLiteral("ce n'est plus le fichier vérifié au début de l'opération "
                                    "(remplacé ou déplacé entre-temps)");
        else if (size < 0)
            reason = systemReason(lastError(EIO)) + tempFolderNote;
        else if (const int error = output->inPlace->reserve(output->file->handle(), size))
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

void OperationFrame::commitSaveFiles()
{
    for (const auto& output : outputs_) {
        if (output->inPlace)
            continue;
        errno = 0;
        if (!static_cast<QSaveFile&>(*output->file).commit()) {
            const int error = lastError(EIO);
            releaseInPlace();
            failToWrite(output->named, error);
        }
    }
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
            output->inPlace->overwriteWith(output->file->handle(), sizeOf(*output->file));
        if (error == 0)
            continue;
        auto& staged = static_cast<QTemporaryFile&>(*output->file);
        staged.setAutoRemove(false);
        failures << QStringLiteral("Impossible d'écrire %1 : %2 ; le fichier n'a été écrit qu'en "
                                   "partie, le résultat complet est conservé dans « %3 ».")
                        .arg(output->named, systemReason(error), staged.fileName());
    }
    if (!failures.isEmpty())
        throw OperationFailure(failures.join(QLatin1Char(' ')));
}

}  // namespace workshop
