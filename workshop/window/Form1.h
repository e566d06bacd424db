#pragma once

#include <workshop/window/OperationFrame.h>

#include <look/ControlSet.h>

#include <QWidget>

#include <functional>

class QLineEdit;
class QMenu;

namespace workshop {

class StatusLabel;

// The workshop window: three path boxes, a status label and one button per file operation.
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
    // The buttons' handlers, in the order of their names; the right-click menu's two sorts
    // are those of Command7 and Command12.
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

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createSortMenu();
    // The path typed in box `name`; blanks before or after it are not part of it.
    QString pathIn(const char* name) const;
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

    using Controls = look::ControlSet<Form1>;
    static const Controls::Table& controlTable();
    Controls controls{this, "The workshop window"};
    StatusLabel* status = nullptr;  // Label3, with its own layout of long texts
    QMenu* sortMenu = nullptr;      // the right-click menu that offers the two hidden sorts
};

}  // namespace workshop
