// Compiled into every window test: the player's data and settings folders of the test
// program are its own, fresh and removed at its end, so that progress or options a test keeps
// never reach another test program, nor the real player's.
#include <testsupport/PlayerHome.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PlayerHome {
    QTemporaryDir home;
    PlayerHome()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("share"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    }
};

const PlayerHome playerHome;

}  // namespace

namespace testsupport {

void forgetPlayersFiles()
{
    for (const char* kept : {"share/vorlane/progress", "config/vorlane"})
        QDir(playerHome.home.filePath(QLatin1String(kept))).removeRecursively();
}

}  // namespace testsupport
