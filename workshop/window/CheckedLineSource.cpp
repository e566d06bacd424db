#include <workshop/window/CheckedLineSource.h>

#include <workshop/window/OperationFailure.h>
#include <workshop/window/SystemReason.h>

namespace workshop {

namespace {

// "la source" gives "source": the box's own name, as the window's boxes are named.
QString boxName(const QString& box)
{
    return box.mid(box.indexOf(QLatin1Char(' ')) + 1);
}

}  // namespace

CheckedLineSource::CheckedLineSource(const QString& path, const QString& box)
    : path_(path), box_(box), reader_(path.toStdString())
{
    if (path.isEmpty())
        throw OperationFailure(
            QStringLiteral("La case « %1 » est vide : aucun fichier à lire.").arg(boxName(box)));
    if (!reader_.isOpen())
        throw OperationFailure(QStringLiteral("Impossible de lire %1 « %2 » : %3.")
                                   .arg(box, path, systemReason(reader_.errorNumber())));
}

bool CheckedLineSource::next(std::string& line)
{
    if (reader_.next(line))
        return true;
    if (reader_.errorNumber() == textfile::lineTooLong)
        throw OperationFailure(
            QStringLiteral("Impossible de lire %1 « %2 », ligne %3 : %4 ; aucun fichier n'a été "
                           "modifié.")
                .arg(box_, path_, QString::number(reader_.linesRead() + 1),
                     QString::fromStdString(reader_.status().why())));
    if (reader_.failed())
        throw OperationFailure(QStringLiteral("Erreur de lecture dans %1 « %2 » : %3.")
                                   .arg(box_, path_, systemReason(reader_.errorNumber())));
    return false;
}

}  // namespace workshop
