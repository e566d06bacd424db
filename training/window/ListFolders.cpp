#include <training/window/ListFolders.h>

#include <catalogue/Catalogue.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <cstdlib>

namespace training {

namespace {

std::string absoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string xdgFolder(const char* variable, const char* underHome)
{
    const std::string set = absoluteVariable(variable);
    if (!set.empty())
        return set;
    const std::string home = absoluteVariable("HOME");
    return home.empty() ? std::string() : (home == "/" ? "" : home) + underHome;
}

}  // namespace

std::string ListFolders::dataHome()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string ListFolders::configHome()
{
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string ListFolders::cacheHome()
{
    return xdgFolder("XDG_CACHE_HOME", "/.cache");
}

std::string ListFolders::noHome()
{
    return "vous n'avez pas de dossier personnel : ni HOME ni XDG_DATA_HOME ne donne un chemin "
           "absolu, et vos listes n'ont nulle part où aller";
}

std::string ListFolders::playerFolder()
{
    const std::string home = dataHome();
    return home.empty() ? std::string() : home + "/vorlane/data";
}

std::string ListFolders::shippedFolder()
{
    return (QCoreApplication::applicationDirPath() + "/../share/vorlane/data").toStdString();
}

std::vector<std::string> ListFolders::afterWorkingFolder()
{
    if (playerFolder().empty())
        return {shippedFolder()};
    return {playerFolder(), shippedFolder()};
}

bool ListFolders::workingFolderInUse()
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        if (QFileInfo(QString::fromStdString(row.path())).isFile())
            return true;
    return false;
}

}  // namespace training
