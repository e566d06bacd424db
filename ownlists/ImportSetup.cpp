#include <ownlists/ImportSetup.h>

#include <ownlists/OriginalLists.h>
#include <training/window/ListFolders.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ownlists {

namespace {

QString besideProgram(const QString& relative)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../" + relative);
}

// A build folder, where it was built or moved or copied since: the work folder of
// `make lists`, its lexicon and its unpacked dictionaries (made there by the first run when
// `make lists` has not been), beside the program's bin folder.
QString buildWorkFolder()
{
    const QString beside = besideProgram(QStringLiteral("listgen-work"));
    if (QFileInfo(beside).isDir())
        return beside;
    const QString built = QFileInfo(QStringLiteral(VORLANE_BUILD_BIN)).canonicalFilePath();
    const bool inBuilt = !built.isEmpty()
        && QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath() == built;
    return inBuilt ? QStringLiteral(VORLANE_LISTGEN_WORK) : QString();
}

// The source's stop list, the one `make lists` reads, so that both take the same prepared
// lexicon (its fingerprint names the stop list); else the one installed beside the lists or
// copied into the build folder.
std::string stopList()
{
    const QString source = QStringLiteral(VORLANE_STOP_LIST);
    const QString beside = besideProgram(QStringLiteral("share/vorlane/mots-refuses.txt"));
    return (QFileInfo(source).isFile() ? source : beside).toStdString();
}

lexicon::SourcePaths buildSources(const QString& workDir)
{
    lexicon::SourcePaths sources;
    sources.workDir = workDir.toStdString();
    sources.stopList = stopList();
    sources.fillFromWorkDir();
    return sources;
}

// Installed: no reformed or older dictionaries of the build machine, only what the lexicon
// installed with the program took from them.
lexicon::SourcePaths installedSources()
{
    lexicon::SourcePaths sources;
    const std::string cache = training::ListFolders::cacheHome();
    sources.workDir = cache.empty() ? std::string() : cache + "/vorlane";
    sources.shippedLexicon =
        besideProgram(QStringLiteral("share/vorlane/lexique.txt")).toStdString();
    sources.stopList = stopList();
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
    const QString build = buildWorkFolder();
    setup.sources = build.isEmpty() ? installedSources() : buildSources(build);
    setup.shippedDir = training::ListFolders::shippedFolder();
    if (setup.dataDir.empty() || setup.sources.workDir.empty())
        setup.problem = training::ListFolders::noHome();
    return setup;
}

std::string ImportSetup::destination() const
{
    if (!problem.empty())
        return "Aucune liste ne peut être faite : " + problem + ".";
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
