#pragma once

#include <ownlists/ImportRunner.h>
#include <ownlists/ImportSetup.h>

#include <look/ControlSet.h>

#include <QElapsedTimer>
#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <ctime>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace ownlists {
class ImportSession;
}

namespace launcher {

// The small window, opened from the launcher's right-click menu, that makes the lists from the
// player's own words: choose the file, see where the lists go and which files they replace,
// confirm, follow the progress (« Annuler » changes nothing), read the summary. It also
// confirms and does the way back to the original lists. Its controls are made from one table
// (ImportWindow.cpp), each named, and each shown at the steps its row gives.
class ImportWindow : public QWidget {
    Q_OBJECT

public:
    enum class Step { choose, confirm, running, summary, failed, goingBack, wentBack };

    explicit ImportWindow(QWidget* launcher = nullptr);
    ~ImportWindow() override;

    // Shows the window at its first step, choosing the file.
    void startImport();
    // The same, the file already chosen: `vorlane --mes-mots FICHIER` started where nothing
    // printed is read (a Windows shortcut) shows its import here.
    void startImportOf(const QString& file);
    // Shows the window on what going back to the original lists does, to be confirmed.
    void offerGoingBack();
    // Whether there is anything to go back from, for the launcher's menu.
    bool canGoBack() const;

    Step step() const { return current; }
    bool importRunning() const { return runner && runner->running(); }

    // Hooks that tests replace: where the lists go and what is read, the file dialog (the
    // chosen path, empty when none), the thread the import runs on, and the time that names
    // the folder the player's lists are put aside in.
    std::function<ownlists::ImportSetup()> setup;
    std::function<QString()> chooseFile;
    ownlists::ImportRunner::Thread runOn = ownlists::ImportRunner::Thread::worker;
    std::function<std::time_t()> now;

Q_SIGNALS:
    void importRunningChanged(bool running);
    // The lists that LANCER reads have changed (an import done, a way back).
    void listsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter presses the focused button, else the step's default one; Esc cancels or closes.
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    // Handlers, named by control and event, connected by the table.
    void choisir_Click();
    void fabriquer_Click();
    void annuler_Click();
    void fermer_Click();
    void revenir_Click();
    void runProgress(double fraction, const QString& step);
    void runFinished(bool ok);
    void readFinished(bool ready);

private:
    // The window's own column: the steps at which a control is shown, and those at which it
    // is the default button (Enter, the focus).
    struct Shown {
        unsigned steps = 0;
        unsigned defaultAt = 0;
    };
    using Self = ImportWindow;
    using Controls = look::ControlSet<ImportWindow, Shown>;
    static const Controls::Table& controlTable();

    void createControls();
    QProgressBar* makeProgressBar(const Controls::Row& row);
    void showStep(Step step, const QString& explanation, const QString& details = QString(),
                  bool warning = false);
    void fail(const QString& why, const QString& details);
    void showChoice(const QString& warning = QString());
    void readAndPlan(const QString& file);
    void newRun(void (ImportWindow::*finished)(bool), const QString& explanation);
    QString confirmation() const;

    // `button` when it is shown and enabled, else null.
    QPushButton* usableButton(QPushButton* button) const;
    QPushButton* defaultButton() const;
    void focusDefaultButton();

    Controls controls{this};
    QLabel* title = nullptr;
    QLabel* explaining = nullptr;  // what this step is, or what went wrong
    QPlainTextEdit* detailsText = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* stepUnderWay = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* closeButton = nullptr;
    Step current = Step::choose;
    std::unique_ptr<ownlists::ImportSession> session;
    std::unique_ptr<ownlists::ImportRunner> runner;
    bool closeWhenDone = false;
    std::time_t goingBackAt = 0;  // when going back was offered
    QElapsedTimer elapsed;        // since « Fabriquer les listes »
};

}  // namespace launcher
