#include <ownlists/ImportSession.h>

#include <listfolder/FolderRepair.h>

namespace ownlists {

ImportSession::ImportSession(ImportSetup setup, bool replace, const std::string& howToReplace)
    : setup_(std::move(setup)),
      import_({setup_.dataDir, setup_.sources, replace, howToReplace}),
      originals_(setup_)
{
    // under the run's lock, once the lists are ready: an import that stops before keeps nothing
    import_.beforeSwitch = [this] { return originals_.keep(replaced()); };
}

status::Status ImportSession::read(const std::string& playerFile,
                                   const listmaking::RunControl& control)
{
    auto read = import_.read(playerFile, control);
    read_ = read.ok();
    return read;
}

status::Status ImportSession::plan()
{
    refused_ = !setup_.problem.empty();
    if (refused_)
        return status::Status::failure(setup_.problem);
    if (auto planned = import_.plan(); !planned)
        return planned;
    const std::string refusal = import_.refusal();
    refused_ = !refusal.empty();
    if (refused_)
        return status::Status::failure(refusal);
    return {};
}

status::Status ImportSession::run(const listmaking::RunControl& control)
{
    // a file that gives no list is refused before anything is written; the originals are kept
    // later, under the run's lock, once the lists are ready
    if (auto planned = plan(); !planned)
        return planned;
    if (auto prepared = import_.prepare(control); !prepared)
        return prepared;
    auto ran = import_.run(control);
    if (!ran)
        originals_.forgetKept();
    return ran;
}

void ImportSession::repairFirst()
{
    if (setup_.problem.empty())
        repaired_ = listfolder::FolderRepair::atStart(setup_.dataDir);
}

listmaking::ImportMessages::Lines ImportSession::messagesOfStop(const std::string& program,
                                                                const status::Status& stop) const
{
    const listmaking::ImportMessages messages(program);
    auto lines = messages.notes(repaired_);
    const auto why = read_ ? messages.failure(stop.why(), false) : messages.ofRead(import_, stop);
    lines.insert(lines.end(), why.begin(), why.end());
    return lines;
}

listmaking::ImportMessages::Lines ImportSession::messagesOfRun(const std::string& program,
                                                               const status::Status& ran,
                                                               double seconds) const
{
    const listmaking::ImportMessages messages(program);
    auto lines = messages.notes(repaired_);
    const auto said = refused_ ? messages.reading(import_.summary(), "")
                               : messages.ofRun(import_, ran, setup_.dataDir, seconds);
    lines.insert(lines.end(), said.begin(), said.end());
    if (refused_) {
        const auto why = messages.failure(ran.why(), false);
        lines.insert(lines.end(), why.begin(), why.end());
    }
    return lines;
}

void ImportSession::allowStep(std::function<bool(const std::string& step)> allow)
{
    originals_.allowStep = allow;
    import_.allowStep = std::move(allow);
}

}  // namespace ownlists
