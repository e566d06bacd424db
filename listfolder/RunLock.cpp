#include <listfolder/RunLock.h>

#include <listfolder/ExclusiveFile.h>
#include <textfile/SystemReason.h>

#include <files/ShownPath.h>
#include <files/Utf8Path.h>

#include <cerrno>
#include <filesystem>

namespace listfolder {

RunLock::~RunLock()
{
    release();
}

status::Status RunLock::take(const std::string& workDir, const std::string& dataDir)
{
    release();
    status::Status taken = folder_.take(dataDir, "fabrication de listes");
    if (taken)
        taken = takeWorkFolder(workDir);
    if (!taken)
        release();
    return taken;
}

status::Status RunLock::takeWorkFolder(const std::string& workDir)
{
    const std::string place = workDir + "/" + fileName;
    std::error_code ignored;
    if (!workDir.empty())
        std::filesystem::create_directories(files::fromUtf8(workDir), ignored);  // a first run
    if (workDir.empty() || workFile_.openFile(place) != 0)
        return {};  // a work folder not ours: nothing there to guard, the folder lock holds
    if (const int why = workFile_.tryLock(); why != 0) {
        workFile_.close();
        return status::Status::failure(
            why == EWOULDBLOCK
                ? "une autre fabrication de listes est en cours (" + files::shownPath(place)
                    + " est pris) : attendre qu'elle soit finie, puis recommencer"
                : files::shownPath(place) + " ne peut pas être verrouillé ("
                    + textfile::systemReason(why) + ")");
    }
    return {};
}

void RunLock::release()
{
    workFile_.close();
    folder_.release();
}

}  // namespace listfolder
