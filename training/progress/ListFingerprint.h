#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace training {

// What a list file is, to tell whether saved progress was made on it: where it lies, its size
// and the SHA-256 of its bytes. Any change of content or place gives another fingerprint.
struct ListFingerprint {
    QString path;  // absolute, links resolved
    qint64 size = 0;
    QByteArray sha256;  // hexadecimal

    // The fingerprint of the file at `path` as it is now; none when it cannot be read.
    static std::optional<ListFingerprint> of(const QString& path);

    bool operator==(const ListFingerprint& other) const
    {
        return path == other.path && size == other.size && sha256 == other.sha256;
    }
    bool operator!=(const ListFingerprint& other) const { return !(*this == other); }
};

}  // namespace training
