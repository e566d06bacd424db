#include <training/window/ListFolders.h>

#include <catalogue/Catalogue.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace training {

std::string ListFolders::playerFolder()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/vorlane/data")
        .toStdString();
}

std::string ListFolders::shippedFolder()
{
    return (QCoreApplication::applicationDirPath() + "/../share/vorlane/data").toStdString();
}

std::vector<std::string> ListFolders::afterWorkingFolder()
{
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
