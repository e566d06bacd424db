// Compiled into every window test: the player's data and settings folders of the test
// program are its own, fresh and removed at its end, so that progress or options a test keeps
// never reach another test, nor the real player's.
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

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
