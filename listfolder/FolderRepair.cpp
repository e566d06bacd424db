#include <listfolder/FolderRepair.h>

#include <files/FileSystem.h>
#include <listfolder/FolderLock.h>
#include <listfolder/SwitchJournal.h>

namespace listgen {

std::vector<std::string> FolderRepair::atStart(const std::string& dataDir)
{
    const SwitchJournal journal(dataDir);
    if (!journal.exists())
        return {};
    FolderLock lock;
    std::string error;
    if (files::mayWrite(dataDir) == 0 && lock.take(dataDir, "réparation", error))
        return journal.repair();
    const std::string half = journal.halfReplaced();
    if (half.empty())
        return {};
    return {half + (error.empty() ? " (il ne peut pas être écrit)" : " (" + error + ")")};
}

}  // namespace listgen
