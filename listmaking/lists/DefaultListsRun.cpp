#include <listmaking/lists/DefaultListsRun.h>

#include <files/ShownPath.h>

#include <listfolder/ListFolder.h>
#include <listfolder/RunLock.h>
#include <listfolder/StagedFiles.h>
#include <listmaking/dictionary/LexiconStore.h>
#include <listmaking/lists/CatalogueLists.h>
#include <listmaking/lists/DefaultWords.h>

#include <algorithm>

namespace listmaking {

DefaultListsRun::DefaultListsRun(std::string dataDir, lexicon::SourcePaths sources)
    : dataDir_(std::move(dataDir)), sources_(std::move(sources))
{
}

status::Status DefaultListsRun::plan()
{
    missing_.clear();
    bool created = false;
    if (auto prepared = listfolder::ListFolder::prepare(dataDir_, created); !prepared)
        return prepared;
    {
        // a run cut short while switching is undone, under the lock, before the folder is
        // looked at
        listfolder::RunLock lock;
        if (auto taken = lock.take(sources_.workDir, dataDir_); !taken)
            return taken;
        listfolder::StagedFiles leftovers(dataDir_, sources_.workDir);
        if (leftovers.open())
            notes_.insert(notes_.end(), leftovers.notes().begin(), leftovers.notes().end());
    }
    const auto names = CatalogueLists::fileNames();
    const auto present = listfolder::ListFolder::inspect(dataDir_, names).present;
    for (const auto& name : names) {
        if (std::find(present.begin(), present.end(), name) == present.end())
            missing_.push_back(name);
    }
    return {};
}

status::Status DefaultListsRun::run(const RunControl& control)
{
    written_.clear();
    listfolder::RunLock lock;
    if (auto planned = plan(); !planned)
        return planned;
    if (auto taken = lock.take(sources_.workDir, dataDir_); !taken)
        return taken;
    LexiconStore store(sources_);
    if (missing_.empty() && store.isFresh())
        return {};
    listfolder::StagedFiles staged(dataDir_, sources_.workDir);
    if (!missing_.empty()) {
        if (auto opened = staged.open(); !opened)
            return opened;
    }
    RunControl lexiconControl = control;
    lexiconControl.progress = [&control](double fraction, const std::string& step) {
        control.report(fraction * 0.8, step);
    };
    lexicon::PreparedLexicon prepared;
    if (auto obtained = store.obtain(prepared, lexiconControl); !obtained)
        return control.cancelled() ? status::Status::cancelled() : obtained;
    lexiconMade_ = store.made() && store.saved();
    notes_.insert(notes_.end(), store.warnings().begin(), store.warnings().end());
    if (missing_.empty())
        return {};
    const lexicon::Lexicon lexicon = DefaultWords::lexicon(prepared);
    for (std::size_t i = 0; i < missing_.size(); ++i) {
        if (control.cancelled())
            return status::Status::cancelled();
        const auto& name = missing_[i];
        if (CatalogueLists::needsReformed(name) && !lexicon.hasReformed) {
            notes_.push_back("pas de dictionnaire rectifié, " + name + " n'est pas fait");
            continue;
        }
        control.report(0.8 + 0.15 * i / missing_.size(), "liste " + name);
        const auto lines = CatalogueLists::lines(name, lexicon);
        if (auto written = staged.write(name, lines); !written)
            return written;
        written_.emplace_back(name, lines.size());
    }
    control.report(0.95, "mise en place des fichiers");
    if (auto committed = staged.commit(); !committed) {
        written_.clear();
        return status::Status::failure(committed.why() + ". Les fichiers de "
                                       + files::shownPath(dataDir_)
                                       + " sont restés tels qu'ils étaient.");
    }
    control.report(1.0, "terminé");
    return {};
}

}  // namespace listmaking
