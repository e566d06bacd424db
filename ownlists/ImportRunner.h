#pragma once

#include <listmaking/RunControl.h>

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class QThread;

namespace ownlists {

// Runs one long piece of work (an import) and tells its progress and its end as signals on
// the runner's own thread, so that a window stays live and can cancel it. On a worker thread
// by default; on the caller's thread, at once, for tests that drive a window without waiting.
class ImportRunner : public QObject {
    Q_OBJECT

public:
    using Work = std::function<bool(const listmaking::RunControl& control)>;
    enum class Thread { worker, caller };

    explicit ImportRunner(Thread where = Thread::worker, QObject* parent = nullptr);
    // Cancels the work and waits for it to stop.
    ~ImportRunner() override;

    void start(Work work);
    // The work's cancel flag, which it polls often; it then ends as soon as it can.
    void cancel() { cancelFlag = true; }
    bool running() const { return busy; }

Q_SIGNALS:
    // `step` in French, as the engine names it.
    void progress(double fraction, const QString& step);
    void finished(bool ok);

private:
    listmaking::RunControl control();
    void report(double fraction, const std::string& step);
    void end(bool ok);

    Thread where;
    QThread* worker = nullptr;
    std::atomic<bool> cancelFlag{false};
    std::atomic<bool> succeeded{false};
    bool busy = false;
    // what was told last, so that thousands of small steps make no flood of events
    int lastPermille = -1;
    std::string lastStep;
};

}  // namespace ownlists
