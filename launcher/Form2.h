#pragma once

#include <look/ControlSet.h>
#include <study/Study.h>
#include <training/progress/PlayerKeeping.h>

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace training {
class Form1;
}

namespace study {
class Study;
class StudyRecord;
}  // namespace study

class QAbstractButton;
class QAction;

class QLabel;
class QMenu;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QShortcut;
class QTimer;

namespace progress {
class ProgressWindow;
}

namespace launcher {

class CatalogueBox;
class ImportWindow;
class ReviewOptionsDialog;

// The launcher: the catalogue of lists in two boxes, the start of a drill in the training
// window, and the farewell that counts down before the program ends. Its controls are made
// from one table (Form2.cpp), each named with its design name ("fichier(0)", "Command1").
class Form2 : public QWidget {
    Q_OBJECT

public:
    // `repaired`: what the program's start said of the lists folders it repaired
    // (ListsRepair::atStart), shown in the message band.
    explicit Form2(const QStringList& repaired = QStringList(), QWidget* parent = nullptr);
    ~Form2() override;

    // The box (0 or 1) in which the player picked an item last; none before the first pick.
    std::optional<int> chosenBox() const { return chosen; }

    // The training window, or null until the first drill starts.
    training::Form1* training() const { return trainingWindow.get(); }
    // The training window, created on first use.
    training::Form1& trainingForm();

    // The window that makes the player's lists from the player's words, created on first use.
    ImportWindow& importForm();
    // « Options de révision », created on first use.
    ReviewOptionsDialog& reviewOptionsForm();

    // The player's study record, which the line of the review of the day, the review, the
    // menu's « Apprendre cette liste » and the training window's corrections use; it outlives
    // the launcher, and takes the review options kept. Without one the line says why in short
    // (`whyNot`) and « Réviser » is greyed.
    void setStudy(study::Study* study, const QString& whyNot = QString());
    const training::ReviewOptions& reviewOptions() const { return keeping_->reviewOptions(); }

    // Ends the program; tests replace it to watch the request.
    std::function<void()> quitProgram;

    // What is kept of the player between runs, which the training window shares: the progress
    // on each list, the options, the study record; the player's folders, read from the
    // environment when the launcher is made.
    const training::ProgressStore& progress() const { return keeping_->progress(); }
    // The player's study record, opened at start; null when it could not be (the launcher
    // said why).
    study::Study* study() const;

protected:
    // Back from a drill: the progress of the lists as it now stands.
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The right-click menu: the player's own lists, made or left.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The right-click menu of a catalogue box's text: its own entries, then those of the
    // review about the list it names.
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    // Handlers, named by control and event, connected by the table.
    void fichier_Click();  // the box that sent the pick
    void Command1_Click();
    void quitter_Click();
    void Timer1_Timer();
    void fabriquerListes_Click();
    void revenirOrigine_Click();
    void mesProgres_Click();
    void reprise_Click(QAbstractButton* answer);  // the answer to "Reprendre là où…"
    void reviser_Click();                         // also Ctrl+R
    void apprendreListe_Click();
    void oublierListe_Click();
    void optionsRevision_Click();

private:
    // A catalogue box's handler is its pick.
    using Controls = look::ControlSet<Form2>;
    static const Controls::Table& controlTable();

    void createControls();
    CatalogueBox* makeCatalogueBox(const Controls::Row& row);
    QMessageBox* makeQuestion(const Controls::Row& row);
    void fillBoxes();
    void tellRepairs(const QStringList& repaired);
    void tellKeeping();
    void showMessage(const QString& text);

    // Shows the training window, loads a list into it with `load`, and hides the launcher.
    void startDrill(const std::function<bool(training::Form1&)>& load);
    // Asks whether to resume `list` when it has saved progress; false when nothing is asked.
    bool askToResume(const catalogue::ListRow& list);
    // The saved progress of `list`, judged against the file LANCER would read.
    training::ProgressStore::Found progressOf(const catalogue::ListRow& list) const;
    // `found` judged against the entries of the list as it is now.
    training::ProgressStore::Found judged(const catalogue::ListRow& list,
                                          const training::ProgressStore::Found& found);
    std::vector<std::string> listFolders() const;
    // The lists under way in bold in the boxes, the chosen one's progress under the buttons.
    void showProgress();

    // The review: its line, the study entries of a right-click menu about `list` (none: no list
    // chosen), the list a box names, and the options the player saved.
    void showReviewLine();
    void addStudyEntries(QMenu* menu, const catalogue::ListRow* list);
    const catalogue::ListRow* listOfBox(int box) const;
    void applyPolicy(const study::ReviewPolicy& policy);

    CatalogueBox* fichier(int index) const;

    Controls controls{this};
    // The controls the launcher's code uses, filled by the table (design names after them).
    QLabel* title = nullptr;                // Label1
    QLabel* firstBoxCaption = nullptr;      // Label3(0)
    QLabel* secondBoxCaption = nullptr;     // Label3(1)
    CatalogueBox* firstBox = nullptr;       // fichier(0)
    CatalogueBox* secondBox = nullptr;      // fichier(1)
    QPushButton* startButton = nullptr;     // Command1, LANCER
    QPlainTextEdit* farewell = nullptr;     // Text1
    QLabel* countdown = nullptr;            // Label2
    QPushButton* reviewButton = nullptr;    // reviser
    QPushButton* quitButton = nullptr;      // quitter
    QTimer* farewellTimer = nullptr;        // Timer1
    QLabel* messageBand = nullptr;          // message
    QAction* makeListsEntry = nullptr;      // fabriquerListes
    QAction* goBackEntry = nullptr;         // revenirOrigine
    QAction* progressEntry = nullptr;       // mesProgres
    QLabel* progressLine = nullptr;         // progression
    QMessageBox* resumeQuestion = nullptr;  // reprise
    // Its answers « Reprendre… » and « Annuler » (« Recommencer la liste » is the third).
    QPushButton* resumeAnswer = nullptr;
    QPushButton* cancelAnswer = nullptr;
    QLabel* reviewLine = nullptr;     // revisions
    QAction* learnEntry = nullptr;    // apprendreListe
    QAction* stopEntry = nullptr;     // oublierListe
    QAction* optionsEntry = nullptr;  // optionsRevision
    std::optional<int> chosen;        // "chosenBox": the box picked in last
    std::int16_t farewellCount = 0;
    std::unique_ptr<training::Form1> trainingWindow;
    std::unique_ptr<ImportWindow> importWindow;
    std::unique_ptr<progress::ProgressWindow> progressWindow;  // « Mes progrès »
    QString startNote;  // why a list under way starts from its beginning
    std::unique_ptr<training::PlayerKeeping> keeping_;
    const catalogue::ListRow* askedList = nullptr;  // the list the question is about
    QString studyTrouble;                           // why there is no study record
    std::unique_ptr<ReviewOptionsDialog> optionsDialog;
    QShortcut* reviewKey = nullptr;                // Ctrl+R
    const catalogue::ListRow* menuList = nullptr;  // the list the study entries are about
};

}  // namespace launcher
