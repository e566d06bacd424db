#include <ownlists/ImportSession.h>

#include <listfolder/FolderRepair.h>

namespace ownlists {

ImportSession::ImportSession(ImportSetup setup, bool replace, const std::string& howToReplace)
    : setup_(std::move(setup)),
      import_({setup_.dataDir, setup_.sources, replace, howToReplace}),
      originals_(setup_)
{
    // under the run's lock, once the lists are ready: an import that stops before keeps nothing
    import_.beforeSwitch = [this](std::string& error) {
        return originals_.keep(replaced(), error);
    };
}

bool ImportSession::read(const std::string& playerFile, const listmaking::RunControl& control)
{
    read_ = import_.read(playerFile, control);
    return read_;
}

bool ImportSession::plan()
{
    error_ = setup_.problem;
    if (!error_.empty())
        return false;
    if (!import_.plan())
        return false;
    error_ = import_.refusal();
    return error_.empty();
}

bool ImportSession::run(const listmaking::RunControl& control)
{
    // a file that gives no list is refused before anything is written; the originals are kept
    // later, under the run's lock, once the lists are ready
    if (!plan() || !import_.prepare(control))
        return false;
    if (import_.run(control))
        return true;
    originals_.forgetKept();
    return false;
}

std::string ImportSession::errorText() const
{
    return error_.empty() ? import_.errorText() : error_;
}

void ImportSession::repairFirst()
{
    if (setup_.problem.empty())
        repaired_ = listfolder::FolderRepair::atStart(setup_.dataDir);
}

listmaking::ImportMessages::Lines ImportSession::messagesOfStop(const std::string& program) const
{
    const listmaking::ImportMessages messages(program);
    auto lines = messages.notes(repaired_);
    const auto why = read_ ? messages.failure(errorText(), false) : messages.ofRead(import_);
    lines.insert(lines.end(), why.begin(), why.end());
    return lines;
}

listmaking::ImportMessages::Lines ImportSession::messagesOfRun(const std::string& program, bool ok,
                                                               double seconds) const
{
    const listmaking::ImportMessages messages(program);
    auto lines = messages.notes(repaired_);
    const auto said = error_.empty() ? messages.ofRun(import_, ok, setup_.dataDir, seconds)
                                     : messages.reading(import_.summary(), "");
    lines.insert(lines.end(), said.begin(), said.end());
    if (!error_.empty()) {
        const auto why = messages.failure(error_, false);
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
