#pragma once

#include <training/drill/Drill.h>
#include <training/drill/RandomSource.h>
#include <training/progress/ListFingerprint.h>
#include <training/progress/ProgressStore.h>
#include <training/window/AnswerGrid.h>
#include <training/window/StudyLink.h>

#include <look/ControlSet.h>
#include <study/Study.h>

#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QContextMenuEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace look {
class TextBox;
}

namespace study {
class Study;
}

namespace training {

class PlayerKeeping;

// The training window: thirty slots of draws and answers, the letter tiles, the clocks and the
// options of a drill. Its controls are made from two tables, the grid's (AnswerGrid.cpp) and
// then the window's (Form1.cpp), each named with its design name ("tirage(3)", "corriger",
// "Timer1"). The drill decides and holds the whole drill state; the window passes it what the
// player does and paints what it says.
class Form1 : public QWidget, private AnswerGrid::Host {
    Q_OBJECT

public:
    static constexpr int kTiles = AnswerGrid::kTiles;

    // `launcher` is shown again when the player leaves a drill.
    explicit Form1(QWidget* launcher = nullptr);
    ~Form1() override;

    // Loads the list `fichier` chosen in launcher box `liste` (0 or 1) and opens the first
    // series. A list that cannot be loaded changes nothing and returns false; loadMessage()
    // then tells why.
    bool commencer(const QString& fichier, int liste);
    // The same for a list already known by its catalogue row: from here on a list is its row.
    bool commencer(const catalogue::ListRow& list);
    // The same, where the saved progress of that list left it: only the entries left with
    // their success counts, the counters and the drill clock as they were, and a new series;
    // the criterion, threshold, clocks and faces stay the window's. Without usable progress it
    // starts as commencer does, and says why on standard error.
    bool reprendre(const catalogue::ListRow& list);

    // What the window keeps of the player, the launcher's, shared: the progress on each list
    // (saved after every correction, on leaving a drill and when the program ends), the options
    // of the window (applied now, as if the player had set them, and kept at each change) and
    // the study record. Without this call the window keeps nothing. `kept` outlives the window.
    void remember(PlayerKeeping& kept);
    // The list each slot's entry came from, for the study record; a list's drill sets it to
    // its own file name at its start.
    StudyLink::ListOfSlot slotList;
    QString loadMessage() const { return lastLoadMessage; }

    // The player's study record, given every answer of every correction and asked for the
    // review; null keeps none and there is no review (a list's drill works the same). It
    // outlives the window; it is the one of what the window keeps (remember).
    void setStudy(study::Study* study);
    // Opens the review of the day: the draws the study record says are due now, from any
    // lists, drilled in series as a list is, under the title « Révisions du jour ». A found
    // draw leaves the review, a missed one comes back, and the review ends as a finished list
    // does. Nothing is kept as a list's progress. False, with loadMessage(), when nothing is
    // due or the record cannot say.
    bool reviser();
    // The same on the draws the player picked (« Réviser ces tirages » of « Mes progrès »),
    // due or not.
    bool reviser(const std::vector<study::DeckDraw>& picked);
    static QString reviewTitle() { return QStringLiteral("Révisions du jour"); }
    // Whether the answer of `slot` may still be counted as missed: found at the correction
    // just made, not counted yet, and a study record to count it.
    bool canCountAsMissed(int slot) const;

    // What the window paints, to be read: the drill, the slot whose answer box holds the focus
    // (-1 when the focus is elsewhere), the tile waiting for its swap partner (-1 when none)
    // and the number of the font that the next "Changer de police" applies.
    const drill::Drill& logic() const { return drill_; }
    int focusedSlot() const { return grid->focusedSlot(); }
    int pendingTile() const { return grid->pendingTile(); }
    int fontNumber() const { return grid->nextFont(); }

    // Hooks that tests replace: the beep of the length limit, the folders searched for a list
    // after the working folder's "data/", and the random source of the series draws (reseeded
    // from the time of day).
    std::function<void()> beep;
    std::vector<std::string> dataFolders;
    void setRandomSource(std::unique_ptr<drill::RandomSource> source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    // Handlers, named by control and event. The table connects the clicks and the ticks; the
    // events of the answer boxes come from the grid (AnswerGrid::Host).
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Check1_Click();
    void corriger_Click();
    void restart_Click();
    void valider_Click();
    void quitter_Click();
    void seuiltxt_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void compterRate_Click();  // « Compter comme raté » in an answer box's right-click menu

private:
    using Controls = look::ControlSet<Form1>;
    static const Controls::Table& controlTable();

    // Building the window.
    void createControls();
    void connectEvents();
    void windowCreation();

    // The steps of a drill.
    bool begin(const catalogue::ListRow& list, bool resume);
    bool resumeDrill(const catalogue::ListRow& list, std::vector<drill::ListEntry>& entries,
                     const QString& listPath);
    void paintResumedCounters();
    void seriesDraw();
    void newSeries();
    void correctSeries();
    // The study record: the draw of each slot as the record knows it, every correction, a
    // found answer counted as missed.
    study::DeckDraw deckDrawOf(int slot) const;
    void noteCountable(const drill::CorrectionResult& result);
    void countAsMissed(int slot);

    // Painting what the drill says.
    void paintSeriesPhase();
    void paintCorrection(const drill::CorrectionResult& result);
    void paintFinished();
    void paintPause();
    void paintCriterion();
    void paintCounters();
    void paintVerdict(drill::Verdict verdict);

    // What outlives the program.
    void applyOptions();
    void keepOptions();
    void keepProgress(const drill::CorrectionResult* corrected = nullptr);
    void keepAnswers(const drill::CorrectionResult& result);
    // Once a run: the progress is not being kept, and why.
    void tellNotKept(const QString& why);

    // The grid's slots: arrivals, departures, keys and menus (AnswerGrid::Host).
    int currentSlot() const override;
    void answerArrived(int slot) override;
    void answerLeft(int slot) override;
    bool keyPressed(int slot, QKeyEvent& key) override;
    void answerMenu(int slot, const QContextMenuEvent& event) override;
    void answerTooLong() override;
    // Other keys.
    bool restart_KeyDown(int key);
    void recherche_Click();
    bool pressEnter(QKeyEvent* event);

    drill::Drill drill_;
    AnswerGrid* grid = nullptr;  // the slots and tiles, children of the window made first
    Controls controls{this};
    // The controls the window's code uses, by their design names, filled as the table is built.
    QLabel *Label7 = nullptr, *police = nullptr, *score = nullptr, *tps = nullptr;
    QLabel *nbseries = nullptr, *nbftot = nullptr, *voyant = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    QPushButton *Command2 = nullptr, *corriger = nullptr, *restart = nullptr;
    QPushButton *valider = nullptr, *Command5 = nullptr;
    look::TextBox *motsleft = nullptr, *recherche = nullptr, *seuiltxt = nullptr;
    look::TextBox *temps = nullptr, *tempstot = nullptr;
    QCheckBox* Check1 = nullptr;
    QTimer *Timer1 = nullptr, *Timer2 = nullptr, *Timer3 = nullptr;
    QAction* compterRate = nullptr;
    QPushButton* defaultButton = nullptr;  // the button whose click Enter performs
    QWidget* launcherWindow = nullptr;
    std::unique_ptr<drill::RandomSource> random;
    QString lastLoadMessage;
    bool closingAllowed = false;
    // What outlives the program, kept by the launcher's keeping or, until remember(), by the
    // window's own that keeps nothing; the list being drilled and its file.
    std::unique_ptr<PlayerKeeping> ownKeeping;
    PlayerKeeping* keeping = nullptr;
    bool notKeptTold = false;
    std::int32_t clockAtCorrection = 0;               // the drill clock at the last correction
    const catalogue::ListRow* drilledList = nullptr;  // until the drill is left
    std::optional<ListFingerprint> drilledFile;       // the list file as it was loaded
    int fontClicks = 0;                               // as DrillOptions counts them
    bool applyingOptions = false;
    // The draws of the series last corrected (the drill compacts its tables at correction),
    // which of its found slots may still be counted as missed, and the slot whose right-click
    // menu is open.
    std::array<study::DeckDraw, drill::kSlots> correctedDraws{};
    std::array<bool, drill::kSlots> countable{};
    int menuSlot = -1;
};

}  // namespace training
