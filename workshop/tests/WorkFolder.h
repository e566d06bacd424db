#pragma once

#include <files/Utf8Path.h>
#include <testsupport/TempFolder.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <QtTest>

// A temporary folder where window tests put their source files and read back what was written.
// Its name has accents and a space, as a player's folders do ("Mes listes à trier, Hélène").
class WorkFolder {
public:
    WorkFolder() { QDir().mkpath(path()); }
    QString path() const
    {
        // with '/' throughout, as QDir gives the paths inside it, so that the window's messages
        // can be compared with them on Windows too
        return QDir::fromNativeSeparators(QString::fromStdString(files::toUtf8(dir_.path())))
            + QStringLiteral("/Mes listes à trier, Hélène");
    }
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

// Types `text` into `box` key by key, accented letters too (QTest::keyClicks takes ASCII only).
inline void typePath(QLineEdit* box, const QString& text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}
