#include <listfolder/RunLock.h>

#include <listfolder/ExclusiveFile.h>

#include <files/Utf8Path.h>

#include <cerrno>
#include <filesystem>

namespace listgen {

RunLock::~RunLock()
{
    release();
}

bool RunLock::take(const std::string& workDir, const std::string& dataDir, std::string& error)
{
    release();
    if (folder_.take(dataDir, "fabrication de listes", error) && takeWorkFolder(workDir, error))
        return true;
    release();
    return false;
}

bool RunLock::takeWorkFolder(const std::string& workDir, std::string& error)
{
    const std::string place = workDir + "/" + fileName;
    std::error_code ignored;
    if (!workDir.empty())
        std::filesystem::create_directories(files::fromUtf8(workDir), ignored);  // a first run
    if (workDir.empty() || workFile_.openFile(place) != 0)
        return true;  // a work folder not ours: nothing there to guard, the folder lock holds
    if (const int why = workFile_.tryLock(); why != 0) {
        workFile_.close();
        error = why == EWOULDBLOCK
            ? "une autre fabrication de listes est en cours (" + place
                + " est pris) : attendre qu'elle soit finie, puis recommencer"
            : place + " ne peut pas être verrouillé (" + ExclusiveFile::reason(why) + ")";
        return false;
    }
    return true;
}

void RunLock::release()
{
    workFile_.close();
    folder_.release();
}

}  // namespace listgen
