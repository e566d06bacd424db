#pragma once

#include <workshop/window/OperationFrame.h>

#include <QRect>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace workshop {

class StatusLabel;

// The workshop window: three path boxes, a status label and one button per file operation.
// Each click runs one whole operation through an OperationFrame.
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

    // A button by its designed name, such as "Command8"; null for any other name.
    QPushButton* button(const QString& name) const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;

    // The right-click menu that offers the two hidden sorts.
    QMenu* sortMenu = nullptr;
    QAction* sortByValueAction = nullptr;
    QAction* expensiveSortAction = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();

private:
    // One row per button of the window: its designed name, caption, place in twips and tab
    // index, and the handler of its click.
    struct ButtonRow {
        const char* name;
        const char* caption;  // UTF-8
        QRect twips;
        int tabIndex;
        bool shown;  // false for the two sorts that only the right-click menu offers
        void (Form1::*click)();
    };
    static const ButtonRow buttonTable[];

    StatusLabel* status = nullptr;                   // Label3, with its own layout of long texts
    std::vector<std::pair<int, QWidget*>> tabStops;  // controls with their tab index

    void createControls();
    void createButtons();
    void createSortMenu();
    QLineEdit* addTextBox(const char* name, const QRect& twips, int tabIndex);
    void showStatus(const QString& text);
    void placeStatus();
    void split(int parts, const QString& message);

    // Runs an operation from the source (Text1) to the destination (Text2), with the
    // reference list (Text3) when it takes one.
    using Streaming = void (*)(textfile::LineSource&, textfile::LineSink&);
    using WithReference = void (*)(textfile::LineSource&, textfile::LineSink&,
                                   const workshop::ReferenceOpener&);
    void sourceToDestination(Streaming operation, const QString& message);
    void sourceToDestination(WithReference operation, const QString& message);
};

}  // namespace workshop
