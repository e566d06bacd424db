#pragma once

#include <files/Utf8Path.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/TempFolder.h>
#include <textfile/Cp1252.h>
#include <textfile/LineWriter.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <string>

// A temporary working folder with its own "data/" lists, made current while it lives.
class ListFolder {
public:
    ListFolder() : inside((QDir(path()).mkpath(QStringLiteral("data")), folder.path())) {}

    // Writes data/<name> with one line per text, in Windows-1252 with CR LF.
    void write(const QString& name, const QStringList& lines) const
    {
        textfile::LineWriter writer(folder.file("data/" + name.toStdString()));
        for (const QString& line : lines)
            writer.write(textfile::Cp1252::encode(line.toStdU16String()));
        writer.close();
    }

    // `count` entries "D<n>;S<n>" with draws of three characters and up.
    static QStringList entries(int count)
    {
        QStringList lines;
        for (int n = 0; n < count; ++n)
            lines << QStringLiteral("D%1;S%1").arg(n, 3, 10, QLatin1Char('0'));
        return lines;
    }

    QString path() const { return QString::fromStdString(files::toUtf8(folder.path())); }

private:
    testsupport::TempFolder folder;
    testsupport::CurrentFolder inside;
};
