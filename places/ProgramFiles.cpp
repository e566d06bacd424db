#include <places/ProgramFiles.h>

#include <places/PlayerFolders.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace places {

namespace {

QString besideProgram(const QString& relative)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../" + relative);
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

}  // namespace

std::string ProgramFiles::shippedLists()
{
    return besideProgram(QStringLiteral("share/vorlane/data")).toStdString();
}

// Made there by the first run when `make lists` has not been.
std::string ProgramFiles::buildWorkFolder()
{
    const QString beside = besideProgram(QStringLiteral("listgen-work"));
    if (QFileInfo(beside).isDir())
        return beside.toStdString();
    const QString built = QFileInfo(QStringLiteral(VORLANE_BUILD_BIN)).canonicalFilePath();
    const bool inBuilt = !built.isEmpty()
        && QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath() == built;
    return inBuilt ? std::string(VORLANE_LISTGEN_WORK) : std::string();
}

lexicon::SourcePaths ProgramFiles::importSources()
{
    lexicon::SourcePaths sources;
    sources.stopList = stopList();
    sources.workDir = buildWorkFolder();
    if (!sources.workDir.empty()) {
        sources.fillFromWorkDir();
        return sources;
    }
    // Installed: no reformed or older dictionaries of the build machine, only what the
    // lexicon installed with the program took from them.
    sources.workDir = PlayerFolders::work();
    sources.shippedLexicon =
        besideProgram(QStringLiteral("share/vorlane/lexique.txt")).toStdString();
    // The Windows installer brings the dictionary the lexicon was made from (a Debian package
    // depends on the system's own instead).
    const QString dictionary = besideProgram(QStringLiteral("share/vorlane/fr.dic"));
    if (QFileInfo(dictionary).isFile()) {
        sources.modernDic = dictionary.toStdString();
        sources.modernAff = lexicon::SourcePaths::affOf(sources.modernDic);
    }
    return sources;
}

}  // namespace places
