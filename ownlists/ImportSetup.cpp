#include <ownlists/ImportSetup.h>

#include <files/ShownPath.h>

#include <ownlists/OriginalLists.h>

#include <listmaking/ownwords/ShownText.h>
#include <places/ListFolders.h>
#include <places/PlayerFolders.h>
#include <places/ProgramFiles.h>

namespace ownlists {

ImportSetup ImportSetup::forThisProgram()
{
    ImportSetup setup;
    setup.dataDir = places::ListFolders::importDestination();
    setup.workingFolder = setup.dataDir == places::ListFolders::workingFolder();
    setup.sources = places::ProgramFiles::importSources();
    setup.shippedDir = places::ProgramFiles::shippedLists();
    if (setup.dataDir.empty() || setup.sources.workDir.empty())
        setup.problem = places::PlayerFolders::noHome();
    return setup;
}

std::string ImportSetup::destination() const
{
    return listmaking::ShownText::of(destinationText());
}

std::string ImportSetup::destinationText() const
{
    if (!problem.empty())
        return "Aucune liste ne peut être faite : " + problem + ".";
    if (workingFolder)
        return "Les listes vont dans " + files::shownPath(dataDir)
            + " : le dossier data du dossier de travail, en usage, où LANCER les cherche "
              "d'abord. Celles qu'il contient avant la première importation sont gardées dans "
            + files::shownPath(OriginalLists(*this).keptFolder()) + ".";
    return "Les listes vont dans " + files::shownPath(dataDir)
        + " : votre dossier de listes, où LANCER les cherche avant les listes livrées avec "
          "vorlane.";
}

}  // namespace ownlists
