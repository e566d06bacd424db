#include <launcher/ListsRepair.h>

#include <listfolder/FolderRepair.h>
#include <places/ListFolders.h>
#include <places/PlayerFolders.h>

#include <cstdio>
#include <string>

namespace launcher {

QStringList ListsRepair::atStart()
{
    QStringList said;
    for (const std::string& folder :
         {places::ListFolders::workingFolder(), places::PlayerFolders::lists()}) {
        if (folder.empty())
            continue;
        for (const std::string& note : listfolder::FolderRepair::atStart(folder)) {
            std::fprintf(stderr, "vorlane : %s\n", note.c_str());
            said << QString::fromStdString(note);
        }
    }
    return said;
}

}  // namespace launcher
