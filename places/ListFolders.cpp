#include <places/ListFolders.h>

#include <places/PlayerFolders.h>
#include <places/ProgramFiles.h>

#include <catalogue/Catalogue.h>

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace places {

std::vector<std::string> ListFolders::afterWorkingFolder()
{
    const std::string player = PlayerFolders::lists();
    if (player.empty())
        return {ProgramFiles::shippedLists()};
    return {player, ProgramFiles::shippedLists()};
}

bool ListFolders::workingFolderInUse()
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        if (QFileInfo(QString::fromStdString(row.path())).isFile())
            return true;
    return false;
}

std::string ListFolders::workingFolder()
{
    return QDir::current().absoluteFilePath(QString::fromLatin1(workingData)).toStdString();
}

std::string ListFolders::importDestination()
{
    return workingFolderInUse() ? workingFolder() : PlayerFolders::lists();
}

}  // namespace places
