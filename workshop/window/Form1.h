#pragma once

#include "OperationFrame.h"

#include <QWidget>

#include <functional>

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

    // Runs one operation and shows its message, or what went wrong, in Label3.
    void runOperation(const std::function<QString(OperationFrame&)>& work);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* Command15;
    QPushButton* Command16;
    QPushButton* Command17;
    QPushButton* Command18;
    QPushButton* Command19;
    QPushButton* Command20;
    QPushButton* Command21;

    // The right-click menu that offers the two hidden sorts.
    QMenu* sortMenu;
    QAction* sortByValueAction;
    QAction* expensiveSortAction;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusLabel* status;  // Label3, with its own layout of long texts

    void createControls();
    void arrangeTabOrder();
    void connectButtons();
    void createSortMenu();
    QLabel* addLabel(const char* name, const QString& caption, int left, int top, int width,
                     int height);
    QLineEdit* addTextBox(const char* name, int left, int top, int width, int height);
    QPushButton* addButton(const char* name, const QString& caption, int left, int top,
                           int width, int height);
    void showStatus(const QString& text);
    void placeStatus();
    void split(int parts, const QString& message);

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

    // Runs an operation from the source (Text1) to the destination (Text2), with the
    // reference list (Text3) when it takes one.
    using Streaming = void (*)(textfile::LineSource&, textfile::LineSink&);
    using WithReference = void (*)(textfile::LineSource&, textfile::LineSink&,
                                   const workshop::ReferenceOpener&);
    void sourceToDestination(Streaming operation, const QString& message);
    void sourceToDestination(WithReference operation, const QString& message);
};

}  // namespace workshop
