#pragma once

#include <look/ControlSet.h>
#include <study/ProgressFigures.h>
#include <study/Study.h>

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace catalogue {
struct ListRow;
}

namespace study {
class StudyRecord;
}

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace progress {

class BarChart;

// « Mes progrès »: what the study record says of the player, list by list and day by day. Its
// controls are made from one table (ProgressWindow.cpp), each named with its design name
// ("listes", "rates", "echeances"); the figures come from study::ProgressFigures, read again
// each time the window is shown. Keyboard alone: Tab walks the controls, Enter on a list
// starts it, Esc closes the window.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // `record` outlives the window; `launcher` is the window it belongs to.
    explicit ProgressWindow(study::StudyRecord& record, QWidget* launcher = nullptr);
    ~ProgressWindow() override;

    // Reads every figure again and shows them.
    void refresh();

    // The folders searched for a list's file after the working folder's "data/", to count its
    // entries.
    std::vector<std::string> dataFolders;
    // The file the answers history is written to; empty: not written. Tests replace it.
    std::function<QString()> chooseExportFile;

    // The draws of « Ce que je rate le plus », in the order shown.
    const std::vector<study::MissedDraw>& missedDraws() const { return missed_; }

Q_SIGNALS:
    // LANCER on a list of the catalogue: the launcher starts it as its own LANCER does.
    void startList(const catalogue::ListRow* list);
    // « Réviser ces tirages »: the draws to drill now, in the training window.
    void reviewDraws(std::vector<study::DeckDraw> draws);

protected:
    void showEvent(QShowEvent* event) override;
    // « Réviser ces tirages » is offered once something drills them (reviewDraws connected).
    void connectNotify(const QMetaMethod& signal) override;
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    // Handlers, named by control and event, connected by the table.
    void lancer_Click();
    void reviser_Click();
    void exporter_Click();
    void fermer_Click();

private:
    using Self = ProgressWindow;
    using Controls = look::ControlSet<ProgressWindow>;
    static const Controls::Table& controlTable();

    void createControls();
    QComboBox* makeSorter(const Controls::Row& row);
    QTableWidget* makeListTable(const Controls::Row& row);
    QTableWidget* makeMissedTable(const Controls::Row& row);
    BarChart* makeChart(const Controls::Row& row);
    QTableWidget* makeTable(const QStringList& columns, int stretched, const QString& name);
    void showLists(const std::vector<study::ListFigures>& figures);
    void addListRow(const QString& title, const std::string& file, std::int64_t entries,
                    const study::ListFigures& figures);
    void showDeck(const study::DeckFigures& deck);
    void showDays(const std::vector<study::DayFigures>& days);
    void showMissed();
    static QString listTitle(const std::string& fileName);
    void sortBy(int column);
    void tell(const QString& text, bool warning);
    std::int64_t entriesOf(const catalogue::ListRow& list) const;

    Controls controls{this};
    QTableWidget* listTable = nullptr;  // a list a row
    QComboBox* sorter = nullptr;        // the column the lists are sorted by
    QPushButton* startButton = nullptr;
    QTableWidget* missedTable = nullptr;  // the draws missed most
    QPushButton* reviewButton = nullptr;
    QLabel* message = nullptr;  // what the last button did
    QLabel* deckFigures = nullptr;
    QLabel* retention = nullptr;
    BarChart* dueChart = nullptr;   // reviews due each day, 30 days
    BarChart* daysChart = nullptr;  // answers, found and time each day
    QLabel* daysSummary = nullptr;
    study::StudyRecord& record_;
    study::ProgressFigures figures_;
    std::vector<study::MissedDraw> missed_;
    bool reviewConnected_ = false;
};

}  // namespace progress
