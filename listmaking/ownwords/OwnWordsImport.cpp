#include <listmaking/ownwords/OwnWordsImport.h>

#include <files/FileSystem.h>
#include <files/ShownPath.h>
#include <listfolder/RunLock.h>
#include <listfolder/StagedFiles.h>
#include <listmaking/dictionary/LexiconStore.h>
#include <listmaking/lists/CatalogueLists.h>
#include <listmaking/ownwords/ImportReport.h>
#include <listmaking/ownwords/OwnWords.h>

namespace listmaking {

namespace {

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

}  // namespace

OwnWordsImport::OwnWordsImport(OwnWordsSettings settings) : settings_(std::move(settings)) {}

OwnWordsImport::~OwnWordsImport()
{
    if (!succeeded_)
        removeMadeFolder();
}

// Only while it is empty: whatever is in it was put there by someone else.
void OwnWordsImport::removeMadeFolder()
{
    if (madeFolder_ && files::removeFolder(settings_.dataDir) == 0)
        madeFolder_ = false;
}

std::vector<std::string> OwnWordsImport::fileNames()
{
    auto names = CatalogueLists::fileNames();
    names.push_back(reportName);
    return names;
}

status::Status OwnWordsImport::read(const std::string& playerFile, const RunControl& control)
{
    list_ = OwnWordList{};
    summary_ = OwnWordsSummary{};
    lexicon_.reset();
    read_ = false;
    if (auto listRead = list_.read(playerFile, control); !listRead)
        return control.cancelled() ? status::Status::cancelled() : listRead;
    summary_.playerFile = playerFile;
    summary_.encoding = list_.encoding();
    summary_.wordsTaken = list_.typedWords().size();
    summary_.repeats = list_.repeats();
    summary_.refused = list_.refused();
    summary_.refusedCount = list_.refusedCount();
    if (list_.words().empty())
        return status::Status::failure(
            playerFile + " ne contient aucun mot du jeu ("
            + (summary_.refusedCount == 0
                   ? std::string("fichier vide")
                   : std::to_string(summary_.refusedCount) + " ligne(s) refusée(s)")
            + ") : aucune liste n'est faite, aucun fichier n'est touché");
    read_ = true;
    return {};
}

status::Status OwnWordsImport::plan()
{
    // made before the lock: where the work folder is not ours, the lock is taken on this folder
    bool created = false;
    if (auto prepared = listfolder::ListFolder::prepare(settings_.dataDir, created); !prepared)
        return prepared;
    madeFolder_ = madeFolder_ || created;
    {
        listfolder::RunLock lock;
        if (auto taken = lock.take(settings_.sources.workDir, settings_.dataDir); !taken)
            return taken;
        // a run cut short while switching is undone, under the lock, before the folder is
        // looked at
        listfolder::StagedFiles leftovers(settings_.dataDir, settings_.sources.workDir);
        if (leftovers.open())
            summary_.notes.insert(summary_.notes.end(), leftovers.notes().begin(),
                                  leftovers.notes().end());
    }
    plan_ = listfolder::ListFolder::inspect(settings_.dataDir, fileNames());
    plan_.created = madeFolder_;
    return {};
}

std::string OwnWordsImport::refusal() const
{
    if (!plan_.protectedFiles.empty())
        return "ces fichiers de " + files::shownPath(settings_.dataDir)
            + " ne seront pas remplacés : " + joined(plan_.protectedFiles)
            + ". Rien n'a été écrit.";
    if (!plan_.present.empty() && !settings_.overwrite)
        return files::shownPath(settings_.dataDir) + " contient déjà "
            + std::to_string(plan_.present.size()) + " des fichiers à écrire ("
            + joined(plan_.present)
            + "). Rien n'a été écrit. Pour les remplacer tous : " + settings_.howToReplace + ".";
    return {};
}

status::Status OwnWordsImport::run(const RunControl& control)
{
    if (!read_)
        return status::Status::failure("aucune liste de mots lue");
    listfolder::RunLock lock;
    status::Status ran = plan();
    if (ran)
        ran = prepare(control);
    if (ran)
        ran = lock.take(settings_.sources.workDir, settings_.dataDir);
    if (ran)
        ran = write(control);
    succeeded_ = ran.ok();
    if (!succeeded_)
        removeMadeFolder();
    return ran;
}

// Lists that would all be empty are no lists: the folder is left as it was, like for an
// empty file.
std::string OwnWordsImport::noShortForm() const
{
    return summary_.playerFile + " : aucun de ses " + std::to_string(list_.words().size())
        + " mot(s) ne donne de forme de 2 à 9 lettres, toutes les listes seraient vides : aucune "
          "liste n'est faite, aucun fichier n'est touché";
}

std::string OwnWordsImport::leftOut(const std::string& name) const
{
    const std::string& reformed = settings_.sources.reformedDic;
    return "la liste « " + CatalogueLists::titleOf(name) + " » (" + name
        + ") n'est pas faite : le lexique préparé a été fait sans le dictionnaire de "
          "l'orthographe réformée"
        + (reformed.empty() ? std::string() : " (" + files::shownPath(reformed) + ")")
        + ", qui seul en donne les mots ; un fichier de ce nom déjà dans "
        + files::shownPath(settings_.dataDir) + " n'est pas touché";
}

std::string OwnWordsImport::unchanged() const
{
    return ". Les fichiers de " + files::shownPath(settings_.dataDir)
        + " sont restés tels qu'ils étaient.";
}

status::Status OwnWordsImport::prepare(const RunControl& control)
{
    if (lexicon_)
        return {};
    if (!read_)
        return status::Status::failure("aucune liste de mots lue");
    // the prepared lexicon may be made here: by one run at a time
    listfolder::RunLock lock;
    if (auto taken = lock.take(settings_.sources.workDir, settings_.dataDir); !taken)
        return taken;
    LexiconStore store(settings_.sources);
    lexiconPart_ = store.isFresh() ? 0.15 : 0.6;
    RunControl lexiconControl = control;
    lexiconControl.progress = [&control, part = lexiconPart_](double fraction,
                                                              const std::string& step) {
        control.report(fraction * part, step);
    };
    lexicon::PreparedLexicon prepared;
    if (auto obtained = store.obtain(prepared, lexiconControl); !obtained)
        return control.cancelled() ? status::Status::cancelled() : obtained;
    summary_.lexiconMade = store.made();
    summary_.notes.insert(summary_.notes.end(), store.warnings().begin(), store.warnings().end());
    control.report(lexiconPart_, "familles des mots");
    const std::vector<TypedWord> words(list_.typedWords().begin(), list_.typedWords().end());
    OwnWordsOutcome outcome;
    auto lexicon = std::make_unique<lexicon::Lexicon>(OwnWords::lexicon(prepared, words, outcome));
    summary_.wordsFound = outcome.found;
    summary_.missing = outcome.missing;
    summary_.withoutShortForm = outcome.withoutShortForm;
    summary_.missingOutOfRange = outcome.missingOutOfRange;
    if (lexicon->newForms.empty())
        return status::Status::failure(noShortForm());
    lexicon_ = std::move(lexicon);
    return {};
}

status::Status OwnWordsImport::write(const RunControl& control)
{
    if (const std::string refused = refusal(); !refused.empty())
        return status::Status::failure(refused);
    listfolder::StagedFiles staged(settings_.dataDir, settings_.sources.workDir);
    staged.allowStep = allowStep;
    if (auto opened = staged.open(); !opened)
        return opened;
    if (auto prepared = prepare(control); !prepared)
        return prepared;
    const lexicon::Lexicon& lexicon = *lexicon_;
    const double lexiconPart = lexiconPart_;
    const auto names = CatalogueLists::fileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (control.cancelled())
            return status::Status::cancelled();
        const auto& name = names[i];
        if (CatalogueLists::needsReformed(name) && !lexicon.hasReformed) {
            summary_.notes.push_back(leftOut(name));
            continue;
        }
        control.report(lexiconPart + 0.1 + (0.85 - lexiconPart) * i / names.size(),
                       "liste " + name);
        const auto lines = CatalogueLists::lines(name, lexicon);
        if (auto written = staged.write(name, lines); !written)
            return status::Status::failure(written.why() + unchanged());
        summary_.linesPerFile.emplace_back(name, lines.size());
    }
    summary_.reportPath = settings_.dataDir + "/" + reportName;
    if (auto written = staged.write(reportName, ImportReport::lines(summary_)); !written)
        return status::Status::failure(written.why() + unchanged());
    if (control.cancelled())
        return status::Status::cancelled();
    control.report(0.95, "mise en place des fichiers");
    if (beforeSwitch) {
        if (auto allowed = beforeSwitch(); !allowed)
            return allowed;
    }
    if (auto committed = staged.commit(); !committed)
        return status::Status::failure(committed.why() + unchanged());
    control.report(1.0, "terminé");
    return {};
}

}  // namespace listmaking
