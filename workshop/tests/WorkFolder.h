#pragma once

#include <files/Utf8Path.h>
#include <testsupport/TempFolder.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A temporary folder where window tests put their source files and read back what was written.
class WorkFolder {
public:
    QString path() const { return QString::fromStdString(files::toUtf8(dir_.path())); }
    QString path(const QString& name) const { return QDir(path()).filePath(name); }

    bool put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QByteArray get(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private:
    testsupport::TempFolder dir_;
};
