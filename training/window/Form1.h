#pragma once

#include <training/drill/Criterion.h>
#include <training/drill/Drill.h>
#include <training/drill/RandomSource.h>

#include <QLine>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace training {

// The training window: thirty slots of draws and answers, the letter tiles, the
// clocks and the options of a drill. The drill logic decides; this window wires its
// controls to it and paints what it decides.
class Form1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlots = 30;
    static constexpr int kTiles = 9;

    // `launcher` is shown again when the player leaves a drill.
    explicit Form1(QWidget* launcher = nullptr);
    ~Form1() override;

    // Loads the list `fichier` chosen in launcher box `liste` (0 or 1) and opens the
    // first series. A list that cannot be loaded changes nothing and returns false;
    // loadMessage() then tells why.
    bool commencer(const QString& fichier, int liste);
    QString loadMessage() const { return lastLoadMessage; }

    // Controls, by their design names.
    std::array<QLineEdit*, kSlots> tirage{};
    std::array<QLineEdit*, kSlots> solution{};
    std::array<QFrame*, 3> Frame1{};
    std::array<QPushButton*, kTiles> Command1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* police = nullptr;
    QLabel* score = nullptr;
    QLabel* tps = nullptr;
    QLabel* nbseries = nullptr;
    QLabel* nbftot = nullptr;
    QLabel* voyant = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* restart = nullptr;
    QPushButton* corriger = nullptr;
    QPushButton* valider = nullptr;
    QPushButton* quitter = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* temps = nullptr;
    QLineEdit* tempstot = nullptr;
    QLineEdit* motsleft = nullptr;
    QLineEdit* recherche = nullptr;
    QLineEdit* seuiltxt = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    // The rectangle around the correction and clock area, in twips.
    std::array<QLine, 2> Line1{};
    std::array<QLine, 2> Line2{};

    // Drill state kept by the window itself; the rest lives in the drill logic.
    std::int16_t lettre = -1;     // tile waiting for its swap partner; -1 none
    std::int16_t fontNumber = 1;  // font the next "Changer de police" applies
    std::int16_t tileLeft = 0;    // home position of the first tile, twips
    std::int16_t tileWidth = 0;   // width of a tile, twips
    drill::Drill logic;
    drill::DrillState& state() { return logic.state(); }

    // The button whose click Enter performs in the window's text boxes.
    QPushButton* defaultButton = nullptr;

    // Hooks: the beep of the length limit, the random source of the series draws
    // (reseeded from the time of day unless a test puts its own), the data folders
    // searched after the working folder's "data/".
    std::function<void()> beep;
    void setRandomSource(std::unique_ptr<drill::RandomSource> source);
    std::vector<std::string> dataFolders;

    // Operations shared by the handlers.
    void seriesDraw();
    void newSeries();
    void correctSeries();
    void showTiles(const QString& text);
    void gradeByTime(int slot);
    bool seriesOpen() const;
    drill::Criterion criterion() const;
    double threshold() const;
    // Moves the keyboard focus to an answer box, leaving the previous one first.
    void focusAnswer(int slot);
    // Slot whose answer box holds the focus; -1 when the focus is elsewhere.
    int focusedSlot() const { return focusSlot; }

    // Event handlers, named by control and event.
    void solution_KeyPress(int index, QChar& character);
    void solution_Change(int index);
    void solution_GotFocus(int index);
    void solution_LostFocus(int index);
    bool solution_KeyDown(int index, int key);
    bool restart_KeyDown(int key);
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Check1_Click();
    void corriger_Click();
    void restart_Click();
    void valider_Click();
    void recherche_Click();
    void quitter_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createGrid();
    void createTiles();
    void createBottomControls();
    void createClockControls();
    void createCriterionControls();
    void createTimers();
    void connectControls();
    void windowCreation();

    QLabel* newLabel(const QString& caption, int left, int top);
    QLineEdit* newTextBox(const QString& text, int left, int top, int width, int height);
    QPushButton* newButton(const QString& caption, int left, int top, int width, int height);

    bool filterAnswerEvent(int slot, QEvent* event);
    bool filterKeyPress(QLineEdit* box, QKeyEvent* event);
    bool pressEnter(QKeyEvent* event);
    void highlightSlot(int slot);
    void paintCorrection(const drill::CorrectionResult& result);
    void paintFinished();
    void setAnswerLocks(bool locked);
    void applyGridPoints(qreal points);
    int slotOfAnswer(const QObject* object) const;

    QWidget* launcherWindow = nullptr;
    std::unique_ptr<drill::RandomSource> random;
    QString lastLoadMessage;
    int focusSlot = -1;
    bool closingAllowed = false;
};

}  // namespace training
