#include <workshop/window/OperationFrame.h>

#include <textfile/ByteSource.h>
#include <textfile/LineWriter.h>
#include <workshop/ops/DerivedNames.h>
#include <workshop/window/CheckedLineSource.h>
#include <workshop/window/DescriptorByteSink.h>
#include <workshop/window/OperationFailure.h>
#include <workshop/window/SystemReason.h>

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

// Copies the whole of `from` into `to`; 0, or the error number of the failure.
int copyFile(int from, int to)
{
    if (::lseek(from, 0, SEEK_SET) < 0)
        return lastError(EIO);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastError(EIO);
        if (got == 0)
            return ::fsync(to) == 0 ? 0 : lastError(EIO);
        if (const int error =
                DescriptorByteSink::writeAll(to, buffer, static_cast<std::size_t>(got)))
            return error;
    }
}

}  // namespace

struct OperationFrame::Output {
    Output(const QString& target, const QString& name, std::unique_ptr<QFileDevice> device,
           bool directly)
        : path(target),
          named(name),
          file(std::move(device)),
          inPlace(directly),
          sink(*file),
          writer(sink)
    {
    }

    QString path;   // the file to write (a symbolic link's target, when written in place)
    QString named;  // how messages name it
    std::unique_ptr<QFileDevice> file;  // a QSaveFile, or the QTemporaryFile of an in-place write
    bool inPlace;
    DescriptorByteSink sink;
    textfile::LineWriter writer;  // declared last: flushes into the file before it goes

    void putInPlace() const;
};

// Copies the finished output into the existing file. Up to here the file is untouched; a
// failure while copying leaves it partly written, and the message says so.
void OperationFrame::Output::putInPlace() const
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        failToWrite(named, lastError(EACCES));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        failToWrite(named, textfile::notAPlainFile);
    }
    int error = ::ftruncate(fd, 0) == 0 ? copyFile(file->handle(), fd) : lastError(EIO);
    if (::close(fd) != 0 && error == 0)
        error = lastError(EIO);
    if (error != 0)
        failToWrite(named,
                    systemReason(error)
                        + QStringLiteral(" ; le fichier n'a été écrit qu'en partie"));
}

OperationFrame::Outcome OperationFrame::run(const std::function<QString(OperationFrame&)>& work)
{
    try {
        OperationFrame frame;
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

OperationFrame::OperationFrame() = default;

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
    errno = 0;
    if (inPlace) {
        auto staged = std::make_unique<QTemporaryFile>();
        if (!staged->open())
            failToWrite(named,
                        systemReason(lastError(EACCES))
                            + QStringLiteral(" (dossier temporaire du système)"));
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
    outputs_.push_back(
        std::make_unique<Output>(inPlace ? target : path, named, std::move(file), inPlace));
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
    sources_.clear();  // a source may be replaced by an output below
    for (const auto& output : outputs_) {
        if (!output->writer.flush() || ::fsync(output->file->handle()) != 0)
            failToWrite(output->named,
                        systemReason(output->writer.errorNumber() ? output->writer.errorNumber()
                                                                  : lastError(EIO))
                            + QStringLiteral(" ; aucun fichier n'a été modifié"));
    }
    for (const auto& output : outputs_) {
        if (output->inPlace) {
            output->putInPlace();
            continue;
        }
        errno = 0;
        if (!static_cast<QSaveFile&>(*output->file).commit())
            failToWrite(output->named, lastError(EIO));
    }
}

}  // namespace workshop
