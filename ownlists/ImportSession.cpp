#include <ownlists/ImportSession.h>

namespace ownlists {

ImportSession::ImportSession(ImportSetup setup, bool replace, const std::string& howToReplace)
    : setup_(std::move(setup)),
      import_({setup_.dataDir, setup_.sources, replace, howToReplace}),
      originals_(setup_)
{
}

bool ImportSession::read(const std::string& playerFile, const listgen::RunControl& control)
{
    read_ = import_.read(playerFile, control);
    return read_;
}

bool ImportSession::plan()
{
    error_.clear();
    if (!import_.plan())
        return false;
    error_ = import_.refusal();
    return error_.empty();
}

bool ImportSession::run(const listgen::RunControl& control)
{
    // a file that gives no list is refused before the originals are touched
    if (!plan() || !import_.prepare(control) || !originals_.keep(replaced(), error_))
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

listgen::ImportMessages::Lines ImportSession::messagesOfStop(const std::string& program) const
{
    const listgen::ImportMessages messages(program);
    return read_ ? messages.failure(errorText(), false) : messages.ofRead(import_);
}

listgen::ImportMessages::Lines ImportSession::messagesOfRun(const std::string& program, bool ok,
                                                            double seconds) const
{
    const listgen::ImportMessages messages(program);
    if (error_.empty())
        return messages.ofRun(import_, ok, setup_.dataDir, seconds);
    auto lines = messages.reading(import_.summary(), "");
    const auto why = messages.failure(error_, false);
    lines.insert(lines.end(), why.begin(), why.end());
    return lines;
}

void ImportSession::allowStep(std::function<bool(const std::string& step)> allow)
{
    import_.allowStep = std::move(allow);
}

}  // namespace ownlists
