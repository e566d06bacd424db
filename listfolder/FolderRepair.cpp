#include <listfolder/FolderRepair.h>

#include <files/FileSystem.h>
#include <listfolder/FolderLock.h>
#include <listfolder/SwitchJournal.h>

namespace listfolder {

std::vector<std::string> FolderRepair::atStart(const std::string& dataDir)
{
    const SwitchJournal journal(dataDir);
    if (!journal.exists())
        return {};
    FolderLock lock;
    status::Status locked;
    if (files::mayWrite(dataDir) == 0 && (locked = lock.take(dataDir, "réparation")))
        return journal.repair();
    const std::string half = journal.halfReplaced();
    if (half.empty())
        return {};
    return {half
            + (locked.why().empty() ? " (il ne peut pas être écrit)" : " (" + locked.why() + ")")};
}

}  // namespace listfolder
