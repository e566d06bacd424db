#include "OperationFrame.h"

#include "CheckedLineSource.h"
#include "DerivedNames.h"
#include "LineWriter.h"
#include "OperationFailure.h"
#include "SaveFileByteSink.h"

#include <QSaveFile>

#include <exception>
#include <new>

struct OperationFrame::Output {
    explicit Output(const QString& target) : path(target), file(target), sink(file), writer(sink) {}

    QString path;
    QSaveFile file;
    SaveFileByteSink sink;
    textfile::LineWriter writer;  // declared last: flushes into the file before it goes
};

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
        return {false, QStringLiteral("Mémoire insuffisante : l'opération est abandonnée, "
                                      "aucun fichier n'a été modifié.")};
    } catch (const std::exception& error) {
        return {false, QStringLiteral("L'opération a échoué (%1) : aucun fichier n'a été modifié.")
                           .arg(QString::fromLocal8Bit(error.what()))};
    }
}

OperationFrame::OperationFrame() = default;

OperationFrame::~OperationFrame() = default;

textfile::LineSource& OperationFrame::source(const QString& path)
{
    sources_.push_back(std::make_unique<CheckedLineSource>(path));
    return *sources_.back();
}

textfile::LineSink& OperationFrame::output(const QString& path)
{
    if (path.isEmpty())
        throw OperationFailure(QStringLiteral("Aucun fichier à écrire : le chemin est vide."));
    auto output = std::make_unique<Output>(path);
    // Unbuffered: the line writer buffers already.
    if (!output->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw OperationFailure(QStringLiteral("Impossible de créer « %1 » : %2.")
                                   .arg(path, output->file.errorString()));
    outputs_.push_back(std::move(output));
    return outputs_.back()->writer;
}

std::vector<textfile::LineSink*> OperationFrame::derivedOutputs(
    const QString& sourcePath, const std::vector<std::string>& suffixes)
{
    std::vector<textfile::LineSink*> sinks;
    for (const std::string& suffix : suffixes) {
        const auto name = workshop::derivedName(sourcePath.toStdString(), suffix);
        if (!name)
            throw OperationFailure(
                QStringLiteral("Impossible de nommer les fichiers à écrire : le chemin source "
                               "« %1 » a moins de quatre caractères.")
                    .arg(sourcePath));
        sinks.push_back(&output(QString::fromStdString(*name)));
    }
    return sinks;
}

workshop::ReferenceOpener OperationFrame::reference(const QString& path)
{
    return [path]() -> std::unique_ptr<textfile::LineSource> {
        return std::make_unique<CheckedLineSource>(path);
    };
}

void OperationFrame::commit()
{
    sources_.clear();  // a source may be replaced by an output below
    for (const auto& output : outputs_) {
        if (!output->writer.flush())
            throw OperationFailure(QStringLiteral("Impossible d'écrire « %1 » : %2.")
                                       .arg(output->path,
                                            QString::fromStdString(output->writer.errorText())));
    }
    for (const auto& output : outputs_) {
        if (!output->file.commit())
            throw OperationFailure(QStringLiteral("Impossible d'enregistrer « %1 » : %2.")
                                       .arg(output->path, output->file.errorString()));
    }
}
