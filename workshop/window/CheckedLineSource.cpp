#include "CheckedLineSource.h"

#include "OperationFailure.h"

#include <QFile>

CheckedLineSource::CheckedLineSource(const QString& path)
    : path_(path), reader_(QFile::encodeName(path).toStdString())
{
    if (path.isEmpty())
        throw OperationFailure(QStringLiteral("Aucun fichier à lire : le chemin est vide."));
    if (!reader_.isOpen())
        throw OperationFailure(QStringLiteral("Impossible de lire « %1 » : %2.")
                                   .arg(path, QString::fromLocal8Bit(reader_.errorText().c_str())));
}

bool CheckedLineSource::next(std::string& line)
{
    if (reader_.next(line))
        return true;
    if (reader_.failed())
        throw OperationFailure(QStringLiteral("Erreur de lecture dans « %1 » : %2.")
                                   .arg(path_, QString::fromLocal8Bit(reader_.errorText().c_str())));
    return false;
}
