#pragma once

#include <workshop/window/OperationFrame.h>

#include <look/ControlSet.h>

#include <QWidget>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;

namespace workshop {

class ReportLabel;

// The workshop window: three path boxes, a report line and one button per file operation.
// Each click runs one whole operation through an OperationFrame. Its controls are made from one
// table (Form1.cpp), each named with its design name ("Text1", "Command8", "Label3").
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // What "Quitter" does; tests replace it so that the program goes on.
    std::function<void()> quitProgram;
    // Handed to every operation; tests use them to play another program or a failing disk.
    FrameHooks frameHooks;

    // Runs one operation and shows its message, or what went wrong, in Label3.
    void runOperation(const std::function<QString(OperationFrame&)>& work);

private Q_SLOTS:
    // The buttons' handlers, each named for its operation; the right-click menu's two sorts are
    // those of the hidden buttons Command7 and Command12.
    void transferMarkedLines();   // Command1
    void quitWorkshop();          // Command2
    void addDraws();              // Command3
    void splitInFive();           // Command4
    void splitInThree();          // Command5
    void removeDraws();           // Command6
    void sortByValue();           // Command7
    void removeRepeatedLines();   // Command8
    void removeSameSolutions();   // Command9
    void splitInTwo();            // Command10
    void splitInFour();           // Command11
    void sortExpensiveByValue();  // Command12
    void shortenVerbs();          // Command13
    void swapColumns();           // Command14
    void removePlurals();         // Command15
    void backExtensions();        // Command16
    void frontExtensions();       // Command17
    void trimLines();             // Command18
    void swapListedHalves();      // Command19
    void removeAnagrams();        // Command20
    void assembleExtensions();    // Command21

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createSortMenu();
    // The path typed in `box`; blanks before or after it are not part of it.
    static QString pathIn(const QLineEdit* box);
    void showReport(const QString& text);
    void placeReport();
    void split(int parts, const QString& message);

    // Runs an operation from the source to the destination, with the reference list when it
    // takes one.
    using Streaming = void (*)(textfile::LineSource&, textfile::LineSink&);
    using WithReference = void (*)(textfile::LineSource&, textfile::LineSink&,
                                   const workshop::ReferenceOpener&);
    void sourceToDestination(Streaming operation, const QString& message);
    void sourceToDestination(WithReference operation, const QString& message);

    using Controls = look::ControlSet<Form1>;
    static const Controls::Table& controlTable();
    ReportLabel* makeReport(const Controls::Row& row);

    Controls controls{this};
    QLineEdit* source = nullptr;       // Text1: the file an operation reads
    QLineEdit* destination = nullptr;  // Text2: the file it writes
    QLineEdit* reference = nullptr;    // Text3: the list some operations compare with
    ReportLabel* report = nullptr;     // Label3, with its own layout of long texts
    QAction* sortByValueEntry = nullptr;
    QAction* sortExpensiveEntry = nullptr;
    QMenu* sortMenu = nullptr;  // the right-click menu that offers the two hidden sorts
};

}  // namespace workshop
