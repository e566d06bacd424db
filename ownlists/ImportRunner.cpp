#include <ownlists/ImportRunner.h>

#include <QThread>

namespace ownlists {

ImportRunner::ImportRunner(Thread where, QObject* parent) : QObject(parent), where(where) {}

ImportRunner::~ImportRunner()
{
    if (!worker)
        return;
    cancel();
    worker->wait();
    delete worker;
}

listmaking::RunControl ImportRunner::control()
{
    listmaking::RunControl control;
    control.cancel = &cancelFlag;
    control.progress = [this](double fraction, const std::string& step) { report(fraction, step); };
    return control;
}

// On the worker's thread: only a change of a thousandth or of step is told.
void ImportRunner::report(double fraction, const std::string& step)
{
    const int permille = static_cast<int>(fraction * 1000);
    if (permille == lastPermille && step == lastStep)
        return;
    lastPermille = permille;
    lastStep = step;
    const QString text = QString::fromStdString(step);
    QMetaObject::invokeMethod(
        this, [this, fraction, text] { Q_EMIT progress(fraction, text); }, Qt::AutoConnection);
}

void ImportRunner::start(Work work)
{
    cancelFlag = false;
    busy = true;
    lastPermille = -1;
    lastStep.clear();
    if (where == Thread::caller) {
        end(work(control()));
        return;
    }
    worker = QThread::create([this, work] { succeeded = work(control()); });
    connect(worker, &QThread::finished, this, [this] {
        worker->deleteLater();
        worker = nullptr;
        end(succeeded);
    });
    worker->start();
}

void ImportRunner::end(bool ok)
{
    busy = false;
    Q_EMIT finished(ok);
}

}  // namespace ownlists
