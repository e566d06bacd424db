// Compiled into every window test: the player's data and settings folders of the test
// program are its own, fresh and removed at its end, so that progress or options a test keeps
// never reach another test program, nor the real player's.
#include <testsupport/PlayerHome.h>

#include <places/PlayerFolders.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PlayerHome {
    QTemporaryDir home;
    PlayerHome()
    {
#ifdef Q_OS_WIN
        qputenv("APPDATA", home.filePath(QStringLiteral("appdata")).toUtf8());
        qputenv("LOCALAPPDATA", home.filePath(QStringLiteral("localappdata")).toUtf8());
#else
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("share"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
#endif
    }
};

const PlayerHome playerHome;

}  // namespace

namespace testsupport {

void forgetPlayersFiles()
{
    QDir(QString::fromStdString(places::PlayerFolders::progress())).removeRecursively();
    QFile::remove(QString::fromStdString(places::PlayerFolders::options()));
    for (const char* part : {"", "-wal", "-shm"})
        QFile::remove(QString::fromStdString(places::PlayerFolders::studyRecord() + part));
}

}  // namespace testsupport
