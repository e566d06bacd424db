#include <ownlists/ImportSetup.h>

#include <ownlists/OriginalLists.h>
#include <training/window/ListFolders.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ownlists {

namespace {

// Run from the build folder it was built in: the work folder of `make lists`, its lexicon and
// its unpacked dictionaries (made there by the first run when `make lists` has not been).
bool inBuildFolder()
{
    const QString built = QFileInfo(QStringLiteral(VORLANE_BUILD_BIN)).canonicalFilePath();
    return !built.isEmpty()
        && QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath() == built;
}

listgen::SourcePaths buildSources()
{
    listgen::SourcePaths sources;
    sources.workDir = VORLANE_LISTGEN_WORK;
    sources.stopList = VORLANE_STOP_LIST;
    sources.fillFromWorkDir();
    return sources;
}

// Installed: no reformed or older dictionaries of the build machine, only what the lexicon
// installed with the program took from them.
listgen::SourcePaths installedSources()
{
    const QString shared = QCoreApplication::applicationDirPath() + "/../share/vorlane/";
    listgen::SourcePaths sources;
    sources.workDir =
        (QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/vorlane")
            .toStdString();
    sources.shippedLexicon = QDir::cleanPath(shared + "lexique.txt").toStdString();
    sources.stopList = QDir::cleanPath(shared + "mots-refuses.txt").toStdString();
    return sources;
}

}  // namespace

ImportSetup ImportSetup::forThisProgram()
{
    ImportSetup setup;
    setup.workingFolder = training::ListFolders::workingFolderInUse();
    setup.dataDir = setup.workingFolder
        ? QDir::current().absoluteFilePath(training::ListFolders::workingData).toStdString()
        : training::ListFolders::playerFolder();
    setup.sources = inBuildFolder() ? buildSources() : installedSources();
    return setup;
}

std::string ImportSetup::destination() const
{
    if (workingFolder)
        return "Les listes vont dans " + dataDir
            + " : le dossier data du dossier de travail, en usage, où LANCER les cherche "
              "d'abord. Celles qu'il contient avant la première importation sont gardées dans "
            + OriginalLists(*this).keptFolder() + ".";
    return "Les listes vont dans " + dataDir
        + " : votre dossier de listes, où LANCER les cherche avant les listes livrées avec "
          "vorlane.";
}

}  // namespace ownlists
