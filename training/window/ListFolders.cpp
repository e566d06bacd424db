#include <training/window/ListFolders.h>

#include <QCoreApplication>
#include <QString>

namespace training {

std::vector<std::string> ListFolders::afterWorkingFolder()
{
    return {(QCoreApplication::applicationDirPath() + "/../share/vorlane/data").toStdString()};
}

}  // namespace training
