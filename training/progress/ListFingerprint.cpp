#include <training/progress/ListFingerprint.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace training {

std::optional<ListFingerprint> ListFingerprint::of(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return ListFingerprint{canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical,
                           file.size(), hash.result().toHex()};
}

}  // namespace training
