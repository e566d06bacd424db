#include <places/PlayerFolders.h>

#include <QDir>
#include <QString>
#include <QtGlobal>

namespace places {

namespace {

// A variable of the environment when it holds an absolute path, as the system spells it
// (wide on Windows, so that an accented user name comes through).
std::string absoluteVariable(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    return !value.isEmpty() && QDir::isAbsolutePath(value)
        ? QDir::fromNativeSeparators(value).toStdString()
        : std::string();
}

std::string under(const std::string& home, const char* relative)
{
    return home.empty() ? std::string() : home + relative;
}

#ifndef Q_OS_WIN
std::string xdgFolder(const char* variable, const char* underHome)
{
    const std::string set = absoluteVariable(variable);
    if (!set.empty())
        return set;
    const std::string home = absoluteVariable("HOME");
    return home.empty() ? std::string() : (home == "/" ? "" : home) + underHome;
}
#endif

}  // namespace

#ifdef Q_OS_WIN
std::string PlayerFolders::dataHome()
{
    return absoluteVariable("APPDATA");
}

std::string PlayerFolders::configHome()
{
    return absoluteVariable("APPDATA");
}

std::string PlayerFolders::cacheHome()
{
    return absoluteVariable("LOCALAPPDATA");
}

std::string PlayerFolders::listsAsNamed()
{
    return "%APPDATA%\\vorlane\\data";
}

std::string PlayerFolders::noHome()
{
    return "vous n'avez pas de dossier personnel : ni APPDATA ni LOCALAPPDATA ne donne un "
           "chemin absolu, et vos listes n'ont nulle part où aller";
}
#else
std::string PlayerFolders::dataHome()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string PlayerFolders::configHome()
{
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string PlayerFolders::cacheHome()
{
    return xdgFolder("XDG_CACHE_HOME", "/.cache");
}

std::string PlayerFolders::listsAsNamed()
{
    return "~/.local/share/vorlane/data";
}

std::string PlayerFolders::noHome()
{
    return "vous n'avez pas de dossier personnel : ni HOME ni XDG_DATA_HOME ne donne un chemin "
           "absolu, et vos listes n'ont nulle part où aller";
}
#endif

std::string PlayerFolders::lists()
{
    return under(dataHome(), "/vorlane/data");
}

std::string PlayerFolders::progress()
{
    return under(dataHome(), "/vorlane/progress");
}

std::string PlayerFolders::studyRecord()
{
    return under(dataHome(), "/vorlane/etude.sqlite");
}

std::string PlayerFolders::options()
{
    return under(configHome(), "/vorlane/vorlane.conf");
}

std::string PlayerFolders::work()
{
    return under(cacheHome(), "/vorlane");
}

}  // namespace places
